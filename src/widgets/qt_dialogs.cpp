#include "widgets/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <utility>

#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

QtDialogs::QtDialogs(QString title) : title_(std::move(title)) {}

void QtDialogs::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, title_, QString::fromStdString(text), QMessageBox::Ok);
  box.exec();
}

std::optional<std::string> QtDialogs::OpenFile(const std::string& filter,
                                               const std::string& initialPath) {
  return Chosen(QFileDialog::getOpenFileName(
      nullptr, QString(), QString::fromStdString(initialPath), QtFilter(filter)));
}

std::optional<std::string> QtDialogs::SaveFile(const std::string& filter,
                                               const std::string& initialPath) {
  return Chosen(QFileDialog::getSaveFileName(
      nullptr, QString(), QString::fromStdString(initialPath), QtFilter(filter)));
}

std::optional<Colour> QtDialogs::PickColour(Colour initial) {
  const QColor chosen = QColorDialog::getColor(QtCanvas::ToQColor(initial));
  if (!chosen.isValid()) return std::nullopt;
  return QtCanvas::FromQColor(chosen);
}

void QtDialogs::Beep() { QApplication::beep(); }

QString QtDialogs::QtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(' ');
    entries.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return entries.join(QStringLiteral(";;"));
}

}  // namespace kirv
