// Where the program's run-time data (the help page) lives: share/kazaori/
// beside the program's own prefix. An installed program in PREFIX/bin finds
// PREFIX/share/kazaori; a program in the build tree (build/src/app, or a test
// in build/tests) finds build/share/kazaori, which the build fills.
#pragma once

#include <QString>

namespace kz::app {

// The data folder for a program in `programDir`: the first of programDir/..,
// programDir/../.. and programDir/../../.. that holds share/kazaori/help/
// index.html, as "<that>/share/kazaori"; empty when none does.
QString DataDirectoryFor(const QString& programDir);
// The data folder of the running program (QCoreApplication's directory).
QString DataDirectory();

}  // namespace kz::app
