// The desktop module: the command line of the desktop program, then its windows and its message
// loop; and "kirv graph", which draws as the windows do. The kirv program loads it for them.

#include <QCoreApplication>
#include <cstring>

#include "app/command_line.h"
#include "app/desktop_platform.h"
#include "app/desktop_program.h"
#include "app/kirv_application.h"
#include "app/single_instance.h"
#include "cli/subcommands.h"
#include "common/standard_error.h"
#include "platform/termination_signals.h"
#include "platform/translations.h"

namespace {

void Say(const QString& text) { kirv::WriteToStandardError(text.toStdString()); }

}  // namespace

extern "C" [[gnu::visibility("default")]] int KirvDesktopMain(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "graph") == 0) return kirv::RunGraphSubcommand(argc, argv);

  // A signal from here on ends the program in good order, once its windows exist.
  kirv::InstallTerminationSignals();

  // Options, before anything needs a display: --help, --version and mistakes end here, said in
  // the user's language by an application object that needs none (the line is read again under
  // its catalogue).
  const kirv::CommandLine commandLine = kirv::ParseCommandLine(kirv::Arguments(argc, argv));
  if (commandLine.action != kirv::CommandLine::Action::kRun) {
    const QCoreApplication answering(argc, argv);
    kirv::InstallTranslations("kirv");
    return kirv::AnswerCommandLine(kirv::ParseCommandLine(kirv::Arguments(argc, argv)));
  }

  // The application object, on the X server where one is reachable, in the user's language.
  const bool compositorPlacesWindows = kirv::ChooseDesktopPlatform();
  kirv::KirvApplication app(argc, argv);
  kirv::InstallTranslations("kirv");
  if (compositorPlacesWindows) Say(QCoreApplication::translate("kirv", kirv::kCompositorNotice));

  // One KIRV per user: a second start shows the running one's meter window and ends.
  kirv::SingleInstance instance;
  if (instance.Take() == kirv::SingleInstance::Claim::kHandedOver) {
    Say(QCoreApplication::translate("kirv::DesktopMain", "KIRV est déjà lancé."));
    return 0;
  }

  return kirv::RunDesktopProgram(app, instance, commandLine);
}
