#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/standard_error.h"

namespace kirv {

QString InstallTranslations(std::string_view programName) {
  QCoreApplication* app = QCoreApplication::instance();
  QString language = QStringLiteral("fr");
  auto* program = new QTranslator(app);
  if (program->load(QLocale(), QStringLiteral("kirv"), QStringLiteral("_"),
                    QStringLiteral(":/i18n")) &&
      QCoreApplication::installTranslator(program)) {
    language = program->language().section(QLatin1Char('_'), 0, 0);
  }
  // The toolkit's catalogue of the same language; Debian ships it in qt6-translations-l10n.
  auto* toolkit = new QTranslator(app);
  if (toolkit->load(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(toolkit);
  }
  NameDiagnostics(programName, &ProgramTexts());
  return language;
}

std::string QtTextCatalogue::Translate(const char* source) const {
  return QCoreApplication::translate("kirv", source).toStdString();
}

const QtTextCatalogue& ProgramTexts() {
  static const QtTextCatalogue catalogue;
  return catalogue;
}

NumberFormat SystemNumberFormat() {
  const char point = QLocale().decimalPoint().at(0).toLatin1();  // 0 when not Latin-1
  return NumberFormat{point != 0 ? point : '.', &ProgramTexts()};
}

}  // namespace kirv
