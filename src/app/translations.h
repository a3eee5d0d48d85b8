// Qt's own texts (the file dialogs, the standard buttons, the context menus)
// in Japanese, as the rest of the program.
#pragma once

class QCoreApplication;

namespace kz::app {

// Installs Qt's Japanese translation (qtbase_ja.qm from Qt's translations
// folder); false when it is not installed, and Qt's texts stay English.
bool LoadQtTranslation(QCoreApplication& app);

}  // namespace kz::app
