// KIRV: "kirv report" and "kirv log" with Qt Core alone; the desktop program and "kirv graph"
// from the desktop module, loaded only for them.

#include "cli/module_loader.h"
#include "cli/subcommands.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = kirv::RunSubcommand(argc, argv)) return *status;
  return kirv::RunDesktopModule(argc, argv);
}
