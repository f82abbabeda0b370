#include "platform/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/xdg_config_home.h"

namespace kirv {

namespace {

QString Failure(const QString& path, const QString& what, int error) {
  return QCoreApplication::translate("kirv::DataFolder", "Le dossier de données « %1 » %2 : %3")
      .arg(QDir::toNativeSeparators(path), what, QString::fromLocal8Bit(std::strerror(error)));
}

// What lets other users replace the folder's files, empty when nothing does.
QString OthersMayWrite(const QString& path) {
  struct stat folder {};
  if (stat(QFile::encodeName(path).constData(), &folder) != 0) return {};
  QString who;
  if (folder.st_uid != geteuid()) {
    who = QCoreApplication::translate("kirv::DataFolder", "appartient à l'utilisateur n° %1")
              .arg(folder.st_uid);
  } else if ((folder.st_mode & S_ISVTX) == 0 && (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    who = QCoreApplication::translate("kirv::DataFolder", "peut être modifié par %1 (droits %2)")
              .arg((folder.st_mode & S_IWOTH) != 0
                       ? QCoreApplication::translate("kirv::DataFolder", "tous les utilisateurs")
                       : QCoreApplication::translate("kirv::DataFolder", "son groupe"))
              .arg(folder.st_mode & 07777, 4, 8, QLatin1Char('0'));
  } else {
    return {};
  }
  return QCoreApplication::translate(
             "kirv::DataFolder",
             "Le dossier de données « %1 » %2 : d'autres que vous peuvent y remplacer "
             "les archives ; KIRV y enregistre quand même")
      .arg(QDir::toNativeSeparators(path), who);
}

}  // namespace

QString DefaultDataFolder() {
  // A relative or empty value is ignored, as the base directory rules ask.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  const QString base = dataHome != nullptr && dataHome[0] == '/'
                           ? QFile::decodeName(dataHome)
                           : QFile::decodeName(HomeDirectory().c_str()) + "/.local/share";
  return QDir::cleanPath(base + "/KIRV");
}

DataFolderStatus PrepareDataFolder(const QString& path) {
  DataFolderStatus status;
  status.path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
  const std::filesystem::path folder(QFile::encodeName(status.path).toStdString());

  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    status.error = Failure(status.path,
                           QCoreApplication::translate("kirv::DataFolder", "ne peut pas être créé"),
                           error.value());
    return status;
  }
  if (!std::filesystem::is_directory(folder, error)) {
    status.error = Failure(status.path,
                           QCoreApplication::translate("kirv::DataFolder", "ne peut pas être créé"),
                           error ? error.value() : ENOTDIR);
    return status;
  }

  // The only sure test of writing is to write: access() says yes to root on any mode.
  std::string probe = (folder / ".kirv-write-test-XXXXXX").string();
  const int fd = mkstemp(probe.data());
  if (fd < 0) {
    status.error = Failure(
        status.path,
        QCoreApplication::translate("kirv::DataFolder", "n'est pas accessible en écriture"), errno);
    return status;
  }
  close(fd);
  unlink(probe.c_str());
  status.usable = true;
  status.warning = OthersMayWrite(status.path);
  return status;
}

}  // namespace kirv
