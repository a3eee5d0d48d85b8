// The Qt host's pieces that a player never sees fail quietly: WAV files the
// player cannot play, the file dialogs' filters, and the dialogs built from
// their models writing the controls back and keeping bad input out.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/qt_dialogs.h"
#include "app/qt_host.h"
#include "app/wav_sound.h"
#include "control/dialogs.h"

namespace kz::app {
namespace {

std::vector<std::uint8_t> Wav(int format, int channels, int rate, int bits,
                              const std::vector<std::uint8_t>& data, bool withFormat = true) {
  std::vector<std::uint8_t> b;
  auto put = [&](const std::string& s) { b.insert(b.end(), s.begin(), s.end()); };
  auto le = [&](std::uint32_t v, int n) {
    for (int k = 0; k < n; ++k) b.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
  };
  put("RIFF");
  le(0, 4);
  put("WAVE");
  put("LIST");  // a chunk to skip
  le(3, 4);
  b.insert(b.end(), {1, 2, 3, 0});  // odd length, padded
  if (withFormat) {
    put("fmt ");
    le(16, 4);
    le(format, 2);
    le(channels, 2);
    le(rate, 4);
    le(rate * channels * bits / 8, 4);
    le(channels * bits / 8, 2);
    le(bits, 2);
  }
  put("data");
  le(static_cast<std::uint32_t>(data.size()), 4);
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

TEST(WavFiles, PcmIsReadAndAnythingElseRefused) {
  const auto good = ParseWav(Wav(1, 2, 22050, 16, {1, 2, 3, 4, 5, 6, 7, 8, 9}));
  ASSERT_TRUE(good.has_value());
  EXPECT_EQ(good->channels, 2);
  EXPECT_EQ(good->rate, 22050);
  EXPECT_EQ(good->frames.size(), 8u) << "a torn last frame is dropped";

  EXPECT_FALSE(ParseWav(Wav(3, 1, 44100, 32, {0, 0, 0, 0})).has_value()) << "float";
  EXPECT_FALSE(ParseWav(Wav(1, 6, 44100, 16, {0, 0})).has_value()) << "six channels";
  EXPECT_FALSE(ParseWav(Wav(1, 1, 44100, 16, {0, 0}, false)).has_value()) << "no format";
  EXPECT_FALSE(ParseWav({'R', 'I', 'F', 'F'}).has_value());
  std::vector<std::uint8_t> text(100, 'x');
  EXPECT_FALSE(ParseWav(text).has_value());
  // A data chunk that claims more than the file holds plays what is there.
  auto cut = Wav(1, 1, 8000, 8, {10, 20, 30, 40});
  cut.resize(cut.size() - 2);
  const auto partial = ParseWav(cut);
  ASSERT_TRUE(partial.has_value());
  EXPECT_EQ(partial->frames.size(), 2u);
}

TEST(WavFiles, MissingOrBrokenFilesPlayNothingAndReturn) {
  WavPlayer player;
  player.Play("/nonexistent/sound.wav", false);
  player.Play("/nonexistent/sound.wav", true);
  player.Play("", false);
  player.Play("/etc/hostname", false);
  SUCCEED();  // no crash, no wait, nothing reported
}

TEST(FileDialogs, FrameworkFiltersBecomeQtFilters) {
  EXPECT_EQ(QtFilter("棋譜ファイル (*.IG1)|*.IG1|すべて (*.*)|*.*||"),
            QString::fromUtf8("棋譜ファイル (*.IG1);;すべて (*)"));
  // The blanks around the bars, as the kifu filter writes them.
  EXPECT_EQ(QtFilter("棋譜ファイル (*.ig1) | *.ig1 | すべてのファイル (*.*) | *.* ||"),
            QString::fromUtf8("棋譜ファイル (*.ig1);;すべてのファイル (*)"));
  EXPECT_EQ(QtFilter("Text|*.TXT;*.txt|"), QString("Text (*.TXT *.txt)"));
  EXPECT_EQ(QtFilter(""), QString());
}

TEST(FileDialogs, QtsOwnTextsReadInJapanese) {
  // The tests' main() loads Qt's translation as the program's does.
  QFileDialog dialog(nullptr, QString::fromUtf8("棋譜の読み込み"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters(QtFilter("棋譜ファイル (*.ig1) | *.ig1 | すべてのファイル (*.*) | *.* ||")
                            .split(";;"));
  QStringList texts;
  for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) texts << button->text();
  const QString all = texts.join(" | ");
  for (const char* text : {"ファイル名", "ファイルの種類", "開く", "キャンセル"}) {
    EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text << " in " << all.toStdString();
  }
  EXPECT_FALSE(all.contains("Cancel")) << all.toStdString();
}

// Runs `model`'s dialog, letting `act` work on it once it is up.
int RunWith(platform::DialogModel& model, const std::function<void(QDialog&)>& act) {
  QWidget parent;
  return RunModelDialog(model, &parent, act);
}

QPushButton* Button(QDialog& d, int k) { return d.findChild<QPushButton*>(QString("button%1").arg(k)); }

TEST(ModelDialogs, TextDialogShowsItsLinesAndButtons) {
  control::TextDialog greeting = control::GreetingDialog();
  QStringList labels;
  QString title;
  const int pressed = RunWith(greeting, [&](QDialog& d) {
    title = d.windowTitle();
    for (QLabel* l : d.findChildren<QLabel*>()) labels << l->text();
    Button(d, 0)->click();
  });
  EXPECT_EQ(pressed, 0);
  EXPECT_EQ(title, QString::fromUtf8(std::string(greeting.title).c_str()));
  for (std::string_view line : greeting.lines) {
    EXPECT_TRUE(labels.contains(QString::fromUtf8(std::string(line).c_str())));
  }
  EXPECT_EQ(RunWith(greeting, [](QDialog& d) { d.reject(); }), platform::kDialogClosed);
}

TEST(ModelDialogs, NewGameWritesTheControlsBack) {
  control::NewGameDialog model = control::NewGameDialog::From(19, 0, 0, 1, 0, 0, 0, 0);
  QStringList buttons;
  const int pressed = RunWith(model, [&](QDialog& d) {
    for (QRadioButton* r : d.findChildren<QRadioButton*>()) {
      if (r->text() == QString::fromUtf8("９路")) r->setChecked(true);
      if (r->text() == QString::fromUtf8("ケイマ碁")) r->setChecked(true);
    }
    d.findChild<QComboBox*>("handicap")->setEditText(QString::fromUtf8("三子局"));
    d.findChild<QLineEdit*>("timeLimit")->setText("45");
    d.findChild<QCheckBox*>()->setChecked(true);
    buttons << Button(d, 0)->text() << Button(d, 1)->text();
    Button(d, 0)->click();
  });
  EXPECT_EQ(pressed, 0);
  EXPECT_EQ(buttons, (QStringList{QString::fromUtf8("対局開始"), QString::fromUtf8("取り消し")}));
  EXPECT_EQ(model.BoardSize(), 9);
  EXPECT_EQ(model.rule, 1);
  EXPECT_EQ(model.Handicap(0), 3);
  EXPECT_EQ(model.TimeLimit(), 45);
  EXPECT_TRUE(model.faster);
}

TEST(ModelDialogs, OutOfRangeInputKeepsTheDialogOpen) {
  control::NewGameDialog model = control::NewGameDialog::From(19, 0, 0, 1, 0, 0, 0, 0);
  QString warning;
  bool stillOpen = false;
  const int pressed = RunWith(model, [&](QDialog& d) {
    d.findChild<QLineEdit*>("timeLimit")->setText("1441");
    // The range message comes up modally; read it, close it, then look.
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr) {
        warning = box->text();
        box->accept();
      }
      QTimer::singleShot(0, [&] {
        stillOpen = d.isVisible();
        Button(d, 1)->click();  // 取り消し
      });
    });
    Button(d, 0)->click();
  });
  EXPECT_EQ(pressed, 1);
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(warning.isEmpty());
}

TEST(ModelDialogs, NumberDialogReadsItsField) {
  control::NumberDialog model = control::GoToMoveDialog();
  const int pressed = RunWith(model, [](QDialog& d) {
    d.findChild<QLineEdit*>("number")->setText("57");
    Button(d, 0)->click();
  });
  EXPECT_EQ(pressed, 0);
  EXPECT_EQ(model.Value(), 57);
}

}  // namespace
}  // namespace kz::app

namespace kz::app {
namespace {

TEST(ModelDialogs, CommentIsPaintedOnGreyLineByLine) {
  control::CommentDialog model;
  for (auto& line : model.lines) line = std::string(78, ' ');
  model.lines[1] = "（対 局 者）黒番：本因坊" + std::string(54, ' ');
  QImage shot;
  QStringList buttons;
  const int pressed = RunWith(model, [&](QDialog& d) {
    shot = d.grab().toImage();
    for (QPushButton* b : d.findChildren<QPushButton*>()) buttons << b->text();
    Button(d, 0)->click();
  });
  EXPECT_EQ(pressed, 0);
  EXPECT_EQ(buttons, QStringList{"OK"});
  // Line 0 is blank but still on its grey ground, 5 pixels in from the page.
  int grey = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) grey += shot.pixelColor(x, y) == QColor(192, 192, 192);
  }
  EXPECT_GT(grey, 78 * 6 * 13 * 15) << "twenty lines of 78 half-width characters, mostly ground";
}

}  // namespace
}  // namespace kz::app
