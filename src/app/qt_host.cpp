#include "app/qt_host.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/qt_canvas.h"
#include "app/qt_dialogs.h"

namespace kz::app {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString QtFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList entries;
  for (int k = 0; k + 1 < parts.size(); k += 2) {
    QString label = parts[k].trimmed();
    if (label.isEmpty()) continue;
    QString patterns = parts[k + 1].trimmed().replace(';', ' ');
    // "*.*" means every file, also one without a dot in its name.
    if (patterns == "*.*") {
      patterns = "*";
      label.replace("(*.*)", "(*)");
    }
    entries << (label.contains('(') ? label : label + " (" + patterns + ")");
  }
  return entries.join(";;");
}

QtHost::QtHost(QWidget& window, BoardWidget& view) : window_(window), view_(view) {}

QtHost::~QtHost() { qDeleteAll(timers_); }

bool QtHost::StartTimer(int id, int periodMs) {
  if (periodMs <= 0) return false;
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [this, id] {
      if (onTimer_) onTimer_(id);
    });
  }
  timer->start(periodMs);
  return timer->isActive();
}

void QtHost::StopTimer(int id) {
  if (QTimer* timer = timers_.value(id, nullptr)) timer->stop();
}

int QtHost::TimerPeriod(int id) const {
  const QTimer* timer = timers_.value(id, nullptr);
  return timer != nullptr && timer->isActive() ? timer->interval() : 0;
}

void QtHost::Invalidate(bool erase) {
  if (erase && onFullRedraw_) onFullRedraw_();
  view_.Invalidate();
}

void QtHost::StateChanged() { view_.NotifyStateChanged(); }

void QtHost::MessageBox(std::string_view text, platform::MessageIcon icon) {
  const QMessageBox::Icon qtIcon = icon == platform::MessageIcon::kExclamation ? QMessageBox::Warning
                                   : icon == platform::MessageIcon::kInformation
                                       ? QMessageBox::Information
                                       : QMessageBox::NoIcon;
  QMessageBox box(qtIcon, Q("対局囲碁　風織"), Q(text), QMessageBox::Ok, &window_);
  box.exec();
}

int QtHost::RunDialog(platform::DialogModel& dialog) { return RunModelDialog(dialog, &window_); }

std::optional<std::string> QtHost::FileDialog(const platform::FileDialogSpec& request, bool save) {
  QFileDialog dialog(&window_, Q(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(Q(request.defaultExtension));
  QStringList filters;
  const QString initial = Q(request.initialName);
  if (initial.contains('*')) {
    // A pattern as the initial name lists the files it matches.
    filters << initial;
  } else if (!initial.isEmpty()) {
    dialog.selectFile(initial);
  }
  const QString given = QtFilter(request.filter);
  if (!given.isEmpty()) filters << given.split(";;");
  filters << Q("すべてのファイル (*)");
  filters.removeDuplicates();
  dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtHost::OpenFileDialog(const platform::FileDialogSpec& request) {
  return FileDialog(request, false);
}

std::optional<std::string> QtHost::SaveFileDialog(const platform::FileDialogSpec& request) {
  return FileDialog(request, true);
}

bool QtHost::PumpOneMessage() {
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher == nullptr) return false;
  // Qt dispatches what is waiting in one pass; it does not wait for more.
  return dispatcher->processEvents(QEventLoop::AllEvents);
}

void QtHost::PlaySound(const std::string& path, bool async) { sound_.Play(path, async); }

int QtHost::SystemFontHeight() const { return app::SystemFontHeight(); }

}  // namespace kz::app
