// What the window tests share: the generated bitmaps (made once) and a
// temporary current directory with its own settings file for a program run.
#pragma once

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>

#include "app/bitmaps.h"

namespace kz::app {

inline const BitmapStore& Bitmaps() {
  static const BitmapStore store;
  return store;
}

struct Workplace {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  Workplace() {
    QDir::setCurrent(dir.path());
    setenv("KAZAORI_INI", Ini().c_str(), 1);
  }
  ~Workplace() { QDir::setCurrent(previous); }
  std::string Ini() const { return File("kazaori.ini"); }
  std::string File(const char* name) const { return (dir.path() + "/" + name).toStdString(); }
};

}  // namespace kz::app
