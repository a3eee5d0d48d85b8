// The game's dialogs on screen, each built from its model: title, labels,
// controls, range checks and button texts. The dialog writes the controls
// back into the model and returns the pressed button's index (or
// kDialogClosed when it was closed without one).
#pragma once

#include <QWidget>
#include <functional>

#include "platform/host.h"

class QDialog;

namespace kz::app {

// Shows `model` modally over `parent`. `onShown` (for tests and screenshots)
// is called with the dialog once it is on screen.
int RunModelDialog(platform::DialogModel& model, QWidget* parent,
                   const std::function<void(QDialog&)>& onShown = {});

// The dialog for `model` without showing it. After exec() its property
// "kzButton" holds the pressed button's index.
QDialog* BuildModelDialog(platform::DialogModel& model, QWidget* parent);

}  // namespace kz::app
