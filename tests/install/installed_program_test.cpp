// The installed programs, run from a temporary prefix the way a desktop runs
// them: the window program opens a record whose path holds a space and
// Japanese characters and shows its position; the command line reads it too.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <filesystem>
#include <string>
#include <utility>

#include "game/kazaori_doc.h"
#include "support/temp_dir.h"

namespace kz {
namespace {

const QString kPrefix = QString::fromUtf8(KZ_INSTALL_PREFIX);

bool IsBlack(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }
bool IsWhite(QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 190; }
bool IsWood(QColor c) { return c.red() > 150 && c.red() > c.blue() + 40 && c.green() > 100; }
bool IsDot(QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }

// The centre of drawn point (x, y) on a small-style board (pitch 21 from 20).
QColor Centre(const QImage& image, int x, int y) {
  return image.pixelColor(20 + x * 21 + 10, 20 + y * 21 + 10);
}

// Four pixels right of and below the centre: off the grid lines, inside a
// stone when there is one.
QColor BesideCentre(const QImage& image, int x, int y) {
  return image.pixelColor(20 + x * 21 + 14, 20 + y * 21 + 14);
}

struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

Outcome RunProgram(const QString& program, const QStringList& args, const QString& dir,
               const QStringList& env) {
  QProcess p;
  QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
  for (const QString& kv : env) e.insert(kv.section('=', 0, 0), kv.section('=', 1));
  p.setProcessEnvironment(e);
  p.setWorkingDirectory(dir);
  p.start(program, args);
  Outcome r;
  if (!p.waitForFinished(60000)) {
    p.kill();
    p.waitForFinished();
    r.err = "did not finish in 60 s";
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err += QString::fromUtf8(p.readAllStandardError());
  return r;
}

class InstalledProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = QString::fromStdString(dir_.path()) + QString::fromUtf8("/棋譜 フォルダ");
    ASSERT_TRUE(std::filesystem::create_directory(folder_.toStdString()));
    record_ = folder_ + QString::fromUtf8("/対局 一.IG1");
    CKazaoriDoc doc;
    doc.SetAutosavePath(dir_.path() + "/autosave.IG1");
    doc.StartRecord(9, 0, 0, 0, 0, 0);
    ASSERT_TRUE(doc.RecordMove(1, 4, 4));
    ASSERT_TRUE(doc.RecordMove(2, 2, 6));
    ASSERT_TRUE(doc.RecordMove(3, 6, 2));
    doc.SetCurrentMove(3);
    ASSERT_TRUE(doc.WriteRecord(record_.toStdString(), false));
  }
  QStringList Env() const {
    return {"QT_QPA_PLATFORM=offscreen",
            "KAZAORI_INI=" + QString::fromStdString(dir_.path()) + "/kazaori.ini"};
  }

  test::TempDir dir_;
  QString folder_;
  QString record_;
};

TEST_F(InstalledProgram, TheWindowShowsARecordNamedWithSpacesAndJapanese) {
  const QString png = QString::fromStdString(dir_.path()) + "/board.png";
  const Outcome r = RunProgram(kPrefix + "/bin/kazaori", {record_}, folder_,
                           Env() << "KAZAORI_SNAPSHOT=" + png);
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  QImage image(png);
  ASSERT_FALSE(image.isNull());
  // The record's stones, the last one marked; an empty point stays empty.
  // (On the 19-line board it replaced, these points would all be empty.)
  EXPECT_TRUE(IsBlack(Centre(image, 4, 4)));
  EXPECT_TRUE(IsWhite(Centre(image, 2, 6)));
  EXPECT_FALSE(IsWood(BesideCentre(image, 4, 4)));
  EXPECT_FALSE(IsWood(BesideCentre(image, 2, 6)));
  EXPECT_TRUE(IsDot(Centre(image, 6, 2)));
  for (const auto& [x, y] : {std::pair{1, 1}, {6, 6}, {8, 8}}) {
    EXPECT_TRUE(IsWood(BesideCentre(image, x, y))) << x << "," << y;
  }
  // The picture stays for a look when the board was not as expected.
  if (HasFailure()) QFile::copy(png, kPrefix + "/../installed-board-failed.png");
  // The record entered the recent-file list, its whole path intact.
  QFile ini(QString::fromStdString(dir_.path()) + "/kazaori.ini");
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(ini.readAll()).contains("File1=" + record_));
}

TEST_F(InstalledProgram, AMissingRecordIsNotShownAndTheProgramStillEnds) {
  const QString png = QString::fromStdString(dir_.path()) + "/board.png";
  const Outcome r = RunProgram(kPrefix + "/bin/kazaori", {folder_ + "/ない.IG1"}, folder_,
                           Env() << "KAZAORI_SNAPSHOT=" + png);
  // The message box waits for the user: the record is never shown.
  EXPECT_EQ(r.status, 3) << r.err.toStdString();
}

TEST_F(InstalledProgram, TheCommandLineShowsTheSameRecord) {
  const Outcome r = RunProgram(kPrefix + "/bin/kazaori-cli", {"show", record_}, folder_, Env());
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("size 9\n"));
  EXPECT_TRUE(r.out.contains("moves 3\n"));
  const QStringList rows = r.out.split('\n');
  const qsizetype board = rows.indexOf(QStringLiteral(". . . . . . . . ."));  // first row
  ASSERT_GE(board, 0) << r.out.toStdString();
  EXPECT_EQ(rows[board + 2], QStringLiteral(". . . . . . X . ."));
  EXPECT_EQ(rows[board + 4], QStringLiteral(". . . . X . . . ."));
  EXPECT_EQ(rows[board + 6], QStringLiteral(". . O . . . . . ."));
}

TEST_F(InstalledProgram, TheHelpPageIsInstalledWhereTheProgramLooks) {
  QFile help(kPrefix + "/share/kazaori/help/index.html");
  ASSERT_TRUE(help.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(help.readAll()).contains(QString::fromUtf8("対局のしかた")));
}

}  // namespace
}  // namespace kz
