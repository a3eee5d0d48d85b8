// main() of the window tests: one QApplication for the whole run, offscreen
// unless a platform is given.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

#include "app/translations.h"

#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  kz::app::LoadQtTranslation(app);
  QFont font("IPAGothic");
  font.setPixelSize(12);
  QApplication::setFont(font);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
