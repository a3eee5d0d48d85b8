#include "app/data_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kz::app {

QString DataDirectoryFor(const QString& programDir) {
  QString up = programDir;
  for (int level = 1; level <= 3; ++level) {
    up += QStringLiteral("/..");
    const QString candidate = QDir::cleanPath(up + QStringLiteral("/share/kazaori"));
    if (QFileInfo(candidate + QStringLiteral("/help/index.html")).isFile()) return candidate;
  }
  return {};
}

QString DataDirectory() { return DataDirectoryFor(QCoreApplication::applicationDirPath()); }

}  // namespace kz::app
