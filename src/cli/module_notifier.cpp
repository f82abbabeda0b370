#include "cli/module_notifier.h"

#include <QString>

#include "cli/cli_common.h"
#include "cli/module_loader.h"

namespace kirv {

void ModuleNotifier::Notify(const Notification& notification) {
  if (!tried_) {
    tried_ = true;
    QString reasons;
    if (auto* make = reinterpret_cast<MakeNotifierEntry*>(
            LoadModuleEntry(NotifierModulePlaces(), kMakeNotifierEntry, reasons))) {
      loaded_.reset(make());
    } else {
      PrintError(
          Labelled(CommandTexts::tr("le module de notification ne peut pas être chargé"), reasons));
    }
  }
  if (loaded_) loaded_->Notify(notification);
}

}  // namespace kirv
