#include "app/help_window.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>

// The page is compiled into the program's static library, whose resource
// initialiser the linker would otherwise leave out.
static void LoadHelpResource() { Q_INIT_RESOURCE(help); }

namespace kz::app {

QString HelpText() {
  LoadHelpResource();
  QFile file(":/help/index.html");
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

void ShowHelp(QWidget* parent) {
  static QPointer<QTextBrowser> window;
  if (window.isNull()) {
    window = new QTextBrowser(parent);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromUtf8("対局囲碁　風織　遊び方"));
    window->setOpenLinks(true);
    window->setHtml(HelpText());
    window->resize(620, 560);
  }
  window->scrollToAnchor("");
  window->moveCursor(QTextCursor::Start);
  window->show();
  window->raise();
}

}  // namespace kz::app
