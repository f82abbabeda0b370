#include "widgets/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <utility>

#include "common/standard_error.h"
#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

std::optional<std::string> Chosen(const QFileDialog& dialog) {
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files[0].isEmpty()) return std::nullopt;
  return files[0].toStdString();
}

}  // namespace

QtDialogs::QtDialogs(QString title) : title_(std::move(title)) {}

bool QtDialogs::Run(QDialog& dialog) {
  if (!asking_) return false;
  open_.emplace_back(&dialog);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  open_.pop_back();
  return accepted && asking_;
}

void QtDialogs::ShowMessage(const std::string& text) {
  if (!asking_) {
    WriteToStandardError(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, title_, QString::fromStdString(text), QMessageBox::Ok);
  Run(box);
}

std::optional<std::string> QtDialogs::OpenFile(const std::string& filter,
                                               const std::string& initialPath) {
  QFileDialog dialog(nullptr, QString(), QString::fromStdString(initialPath), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(DefaultSuffix(filter));
  if (!Run(dialog)) return std::nullopt;
  return Chosen(dialog);
}

std::optional<std::string> QtDialogs::SaveFile(const std::string& filter,
                                               const std::string& initialPath) {
  QFileDialog dialog(nullptr, QString(), QString::fromStdString(initialPath), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(DefaultSuffix(filter));
  if (!Run(dialog)) return std::nullopt;
  return Chosen(dialog);
}

std::optional<Colour> QtDialogs::PickColour(Colour initial) {
  QColorDialog dialog(QtCanvas::ToQColor(initial));
  if (!Run(dialog)) return std::nullopt;
  const QColor chosen = dialog.selectedColor();
  if (!chosen.isValid()) return std::nullopt;
  return QtCanvas::FromQColor(chosen);
}

void QtDialogs::Beep() {
  if (asking_) QApplication::beep();
}

void QtDialogs::StopAsking() {
  asking_ = false;
  for (const QPointer<QDialog>& dialog : open_) {
    if (dialog) dialog->reject();
  }
}

QString QtDialogs::QtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(' ');
    entries.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return entries.join(QStringLiteral(";;"));
}

QString QtDialogs::DefaultSuffix(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  if (parts.size() < 2) return {};
  static const QRegularExpression kOneExtension(QStringLiteral("^\\*\\.([^*?;\\[\\]]+)$"));
  const QRegularExpressionMatch match = kOneExtension.match(parts[1]);
  return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace kirv
