#pragma once

// The program's language: its own catalogue and the toolkit's, chosen by the user's languages.

#include <QString>
#include <string>
#include <string_view>

#include "common/number_format.h"
#include "common/texts.h"

namespace kirv {

// Installs on the application object the program's catalogue for the first of the user's
// languages that it has (QLocale::uiLanguages: LANGUAGE, LC_ALL, LC_MESSAGES, LANG), and the
// toolkit's own texts (message box buttons, standard dialogs) in the same language. French, the
// texts' source, where none is had: under C, POSIX and languages without a catalogue. Answers
// the language taken ("en", "fr"). Names `programName` ("kirv", "kirv log") in every diagnostic, in
// that language. Runs once the application object exists.
QString InstallTranslations(std::string_view programName);

// The core's shown texts looked up in the installed catalogue.
class QtTextCatalogue final : public TextCatalogue {
 public:
  std::string Translate(const char* source) const override;
};

// One catalogue for the whole process.
const QtTextCatalogue& ProgramTexts();

// Numbers as the system's locale writes them (its decimal separator, '.' where it is not
// Latin-1), with the words of the installed catalogue.
NumberFormat SystemNumberFormat();

}  // namespace kirv
