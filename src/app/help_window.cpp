#include "app/help_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>

#include "app/data_dir.h"

namespace kz::app {

QString HelpText() {
  const QString dir = DataDirectory();
  QFile file(dir + QStringLiteral("/help/index.html"));
  if (dir.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    // Said on the page itself, so the user learns what is missing.
    return QString::fromUtf8("<p>遊び方のページが見つかりません(^_^;)</p><p>")
        .append(QCoreApplication::applicationDirPath().toHtmlEscaped())
        .append(QString::fromUtf8("/../share/kazaori/help/index.html を確かめてね</p>"));
  }
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
