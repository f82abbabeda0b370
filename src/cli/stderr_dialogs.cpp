#include "cli/stderr_dialogs.h"

#include "cli/cli_common.h"

namespace kirv {

void StderrDialogs::ShowMessage(const std::string& text) {
  PrintError(command_, QString::fromStdString(text));
}

}  // namespace kirv
