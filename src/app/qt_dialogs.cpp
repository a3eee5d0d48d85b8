#include "app/qt_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/qt_canvas.h"
#include "control/dialogs.h"

namespace kz::app {

namespace {

using namespace control;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr const char* kButtonProperty = "kzButton";

// The row of the model's buttons; a press records its index. The accepting
// button first writes the controls back and passes the range checks.
QHBoxLayout* Buttons(QDialog& dialog, platform::DialogModel& model,
                     const std::function<void()>& writeBack) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  const auto buttons = model.Buttons();
  for (int k = 0; k < static_cast<int>(buttons.size()); ++k) {
    auto* button = new QPushButton(Q(buttons[k]), &dialog);
    button->setObjectName(QString("button%1").arg(k));
    if (k == 0) button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &model, writeBack, k] {
      if (k == model.AcceptButton()) {
        if (writeBack) writeBack();
        const std::string problem = model.Validate();
        if (!problem.empty()) {
          QMessageBox box(QMessageBox::Warning, Q("対局囲碁　風織"), Q(problem), QMessageBox::Ok,
                          &dialog);
          box.exec();
          return;
        }
      }
      dialog.setProperty(kButtonProperty, k);
      dialog.done(QDialog::Accepted);
    });
    row->addWidget(button);
  }
  return row;
}

// A group of radio buttons with `choice` checked; returns the group.
QButtonGroup* Radios(QGroupBox* box, std::span<const std::string_view> labels, int choice,
                     Qt::Orientation orientation = Qt::Vertical) {
  auto* group = new QButtonGroup(box);
  QBoxLayout* layout = orientation == Qt::Vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                                   : new QHBoxLayout(box);
  for (int k = 0; k < static_cast<int>(labels.size()); ++k) {
    auto* radio = new QRadioButton(Q(labels[k]), box);
    radio->setChecked(k == choice);
    group->addButton(radio, k);
    layout->addWidget(radio);
  }
  return group;
}

int Checked(QButtonGroup* group, int fallback) {
  const int id = group->checkedId();
  return id >= 0 ? id : fallback;
}

void BuildText(QDialog& dialog, TextDialog& model) {
  auto* layout = new QVBoxLayout(&dialog);
  auto* icon = new QLabel(&dialog);
  auto* texts = new QVBoxLayout;
  for (std::string_view line : model.lines) texts->addWidget(new QLabel(Q(line), &dialog));
  auto* top = new QHBoxLayout;
  if (model.id == kAboutDialog) {
    icon->setPixmap(QPixmap::fromImage(ToolBarStrip().copy(0, 0, 16, 16)).scaled(32, 32));
    top->addWidget(icon, 0, Qt::AlignTop);
  } else {
    delete icon;
  }
  top->addLayout(texts, 1);
  layout->addLayout(top);
  layout->addLayout(Buttons(dialog, model, {}));
}

void BuildNewGame(QDialog& dialog, NewGameDialog& model) {
  auto* layout = new QVBoxLayout(&dialog);
  auto* grid = new QGridLayout;
  auto box = [&](const char* title) { return new QGroupBox(QString::fromUtf8(title), &dialog); };
  QGroupBox* sizeBox = box("盤面");
  QButtonGroup* size = Radios(sizeBox, NewGameDialog::kSizeLabels, model.sizeChoice);
  QGroupBox* blackBox = box("黒");
  QButtonGroup* black = Radios(blackBox, NewGameDialog::kPlayerLabels, model.black);
  QGroupBox* whiteBox = box("白");
  QButtonGroup* white = Radios(whiteBox, NewGameDialog::kPlayerLabels, model.white);
  QGroupBox* portBox = box("通信ポート");
  QButtonGroup* port = Radios(portBox, NewGameDialog::kPortLabels, model.portChoice);
  QGroupBox* ruleBox = box("ルール");
  QButtonGroup* rule = Radios(ruleBox, NewGameDialog::kRuleLabels, model.rule);
  QGroupBox* styleBox = box("「風織」の性格");
  QButtonGroup* style = Radios(styleBox, NewGameDialog::kStyleLabels, model.style);
  grid->addWidget(sizeBox, 0, 0);
  grid->addWidget(blackBox, 0, 1);
  grid->addWidget(whiteBox, 0, 2);
  grid->addWidget(portBox, 1, 0);
  grid->addWidget(ruleBox, 1, 1);
  grid->addWidget(styleBox, 1, 2);
  layout->addLayout(grid);

  auto* conditions = new QGridLayout;
  auto* handicap = new QComboBox(&dialog);
  handicap->setObjectName("handicap");
  handicap->setEditable(true);
  for (std::string_view text : NewGameDialog::kHandicapTexts) handicap->addItem(Q(text));
  handicap->setEditText(QString::fromStdString(model.handicapText));
  conditions->addWidget(new QLabel(QString::fromUtf8("手 合"), &dialog), 0, 0);
  conditions->addWidget(handicap, 0, 1);
  auto* limit = new QLineEdit(QString::fromStdString(model.timeLimitText), &dialog);
  limit->setObjectName("timeLimit");
  limit->setMaxLength(4);
  limit->setMaximumWidth(60);
  conditions->addWidget(new QLabel(QString::fromUtf8("持ち時間　各"), &dialog), 1, 0);
  conditions->addWidget(limit, 1, 1);
  conditions->addWidget(new QLabel(QString::fromUtf8("分"), &dialog), 1, 2);
  auto* series = new QLineEdit(QString::fromStdString(model.seriesText), &dialog);
  series->setObjectName("series");
  series->setMaximumWidth(60);
  conditions->addWidget(new QLabel(QString::fromUtf8("連続対局"), &dialog), 2, 0);
  conditions->addWidget(series, 2, 1);
  QGroupBox* speedBox = box("着手の早さ");
  auto* speedLayout = new QVBoxLayout(speedBox);
  auto* faster = new QCheckBox(Q(NewGameDialog::kFasterLabel), speedBox);
  faster->setChecked(model.faster);
  speedLayout->addWidget(faster);
  conditions->addWidget(speedBox, 0, 3, 3, 1);
  conditions->setColumnStretch(2, 1);
  layout->addLayout(conditions);

  layout->addLayout(Buttons(dialog, model, [=, &model] {
    model.sizeChoice = Checked(size, model.sizeChoice);
    model.black = Checked(black, model.black);
    model.white = Checked(white, model.white);
    model.portChoice = Checked(port, model.portChoice);
    model.rule = Checked(rule, model.rule);
    model.style = Checked(style, model.style);
    model.handicapText = handicap->currentText().toStdString();
    model.timeLimitText = limit->text().toStdString();
    model.seriesText = series->text().toStdString();
    model.faster = faster->isChecked();
  }));
}

void BuildNumber(QDialog& dialog, NumberDialog& model) {
  auto* layout = new QVBoxLayout(&dialog);
  auto* row = new QHBoxLayout;
  auto* edit = new QLineEdit(QString::fromStdString(model.text), &dialog);
  edit->setObjectName("number");
  edit->setMaximumWidth(70);
  edit->selectAll();
  row->addWidget(new QLabel(Q(model.before), &dialog));
  row->addWidget(edit);
  row->addWidget(new QLabel(Q(model.after), &dialog));
  row->addStretch(1);
  layout->addLayout(row);
  layout->addLayout(Buttons(dialog, model, [edit, &model] { model.text = edit->text().toStdString(); }));
}

void BuildGtpProgram(QDialog& dialog, GtpProgramDialog& model) {
  auto* layout = new QVBoxLayout(&dialog);
  auto* grid = new QGridLayout;
  auto* command = new QLineEdit(QString::fromStdString(model.commandLine), &dialog);
  command->setObjectName("commandLine");
  command->setMinimumWidth(360);
  auto* seconds = new QLineEdit(QString::fromStdString(model.secondsText), &dialog);
  seconds->setObjectName("seconds");
  seconds->setMaximumWidth(70);
  grid->addWidget(new QLabel(Q("コマンドライン"), &dialog), 0, 0);
  grid->addWidget(command, 0, 1, 1, 2);
  grid->addWidget(new QLabel(Q("一手の待ち時間"), &dialog), 1, 0);
  grid->addWidget(seconds, 1, 1);
  grid->addWidget(new QLabel(Q("秒"), &dialog), 1, 2);
  layout->addLayout(grid);
  layout->addLayout(Buttons(dialog, model, [command, seconds, &model] {
    model.commandLine = command->text().toStdString();
    model.secondsText = seconds->text().toStdString();
  }));
}

// The comment block, painted as the record holds it: 78-character lines on a
// light grey ground at x 5, y 5 + line × the font's height.
class CommentPage final : public QWidget {
 public:
  CommentPage(const CommentDialog& model, QWidget* parent) : QWidget(parent), model_(model) {
    setFont(DisplayFont(platform::FontKind::kSystem));
    const QFontMetrics m(font());
    setMinimumSize(10 + m.horizontalAdvance(QString(78, QChar(' '))),
                   10 + CommentDialog::kLines * m.height());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QFontMetrics m(font());
    for (int j = 0; j < CommentDialog::kLines; ++j) {
      const QString line = QString::fromStdString(model_.lines[j]);
      // 78 byte columns: the ground is that wide whatever the text holds.
      const int width = std::max(m.horizontalAdvance(line), m.horizontalAdvance(QString(78, ' ')));
      const QRect box(5, 5 + j * m.height(), width, m.height());
      p.fillRect(box, QColor(192, 192, 192));
      p.setPen(Qt::black);
      p.drawText(QPoint(box.x(), box.y() + m.ascent()), line);
    }
  }

 private:
  const CommentDialog& model_;
};

void BuildComment(QDialog& dialog, CommentDialog& model) {
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new CommentPage(model, &dialog));
  layout->addLayout(Buttons(dialog, model, {}));
}

void BuildStandardComment(QDialog& dialog, StandardCommentDialog& model) {
  auto* layout = new QVBoxLayout(&dialog);
  auto* grid = new QGridLayout;
  struct Field {
    const char* label;
    std::string* value;
    int bytes;
  };
  // Byte limits of the record's lines (Shift-JIS): names 58, the rest 64.
  StandardComment& c = model.comment;
  const Field fields[] = {
      {"（対 局 者）黒番：", &c.blackName, 58},
      {"　　　　　  白番：", &c.whiteName, 58},
      {"（対 局 日）", &c.date, 64},
      {"（対局場所）", &c.place, 64},
      {"（対局結果）", &c.result, 64},
      {"（コメント）", &c.notes[0], 64},
      {"", &c.notes[1], 64},
      {"", &c.notes[2], 64},
  };

  std::vector<std::pair<QLineEdit*, std::string*>> edits;
  int row = 0;
  for (const Field& f : fields) {
    auto* edit = new QLineEdit(QString::fromStdString(*f.value), &dialog);
    edit->setMaxLength(f.bytes);
    edit->setMinimumWidth(360);
    grid->addWidget(new QLabel(QString::fromUtf8(f.label), &dialog), row, 0);
    grid->addWidget(edit, row, 1);
    edits.emplace_back(edit, f.value);
    ++row;
  }
  layout->addLayout(grid);
  layout->addLayout(Buttons(dialog, model, [edits] {
    for (const auto& [edit, value] : edits) *value = edit->text().toStdString();
  }));
}

}  // namespace

QDialog* BuildModelDialog(platform::DialogModel& model, QWidget* parent) {
  auto* dialog = new QDialog(parent);
  dialog->setWindowTitle(Q(model.Title()));
  dialog->setObjectName(QString("dialog%1").arg(model.Id()));
  dialog->setProperty(kButtonProperty, platform::kDialogClosed);
  if (auto* d = dynamic_cast<NewGameDialog*>(&model)) {
    BuildNewGame(*dialog, *d);
  } else if (auto* d = dynamic_cast<NumberDialog*>(&model)) {
    BuildNumber(*dialog, *d);
  } else if (auto* d = dynamic_cast<GtpProgramDialog*>(&model)) {
    BuildGtpProgram(*dialog, *d);
  } else if (auto* d = dynamic_cast<CommentDialog*>(&model)) {
    BuildComment(*dialog, *d);
  } else if (auto* d = dynamic_cast<StandardCommentDialog*>(&model)) {
    BuildStandardComment(*dialog, *d);
  } else if (auto* d = dynamic_cast<TextDialog*>(&model)) {
    BuildText(*dialog, *d);
  } else {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(Buttons(*dialog, model, {}));
  }
  return dialog;
}

int RunModelDialog(platform::DialogModel& model, QWidget* parent,
                   const std::function<void(QDialog&)>& onShown) {
  QDialog* dialog = BuildModelDialog(model, parent);
  if (onShown) QTimer::singleShot(0, dialog, [dialog, onShown] { onShown(*dialog); });
  dialog->exec();
  const int button = dialog->property(kButtonProperty).toInt();
  delete dialog;
  return button;
}

}  // namespace kz::app
