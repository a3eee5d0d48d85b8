// The help: this program's own page (how to play, the menus, the record
// files, the serial link), read from the data folder (data_dir.h) and shown at its index.
#pragma once

#include <QWidget>

namespace kz::app {

// Shows the help window (one for the run), opened at its index.
void ShowHelp(QWidget* parent);
// The help page's text; a short note naming the missing file when the page
// is not found.
QString HelpText();

}  // namespace kz::app
