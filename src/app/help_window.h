// The help: this program's own page (how to play, the menus, the record
// files, the serial link), shipped inside the program and shown at its index.
#pragma once

#include <QWidget>

namespace kz::app {

// Shows the help window (one for the run), opened at its index.
void ShowHelp(QWidget* parent);
// The help page's text.
QString HelpText();

}  // namespace kz::app
