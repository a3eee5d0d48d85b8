// main() of the real-window tests: starts an X server of its own (Xvfb, a
// free display chosen by the server), runs the tests on Qt's xcb platform
// against it and stops it at the end. Without Xvfb the tests skip.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/translations.h"
#include "xvfb_server.h"

extern char** environ;

namespace kz::test {

bool& XvfbRunning() {
  static bool running = false;
  return running;
}

namespace {

// Xvfb -displayfd writes the display number once it accepts clients.
pid_t StartXvfb(std::string& display) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const std::string fd = std::to_string(fds[1]);
  const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                        "-nolisten", "tcp", nullptr};
  pid_t pid = -1;
  if (posix_spawnp(&pid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
    close(fds[0]);
    close(fds[1]);
    return -1;
  }
  close(fds[1]);
  char buffer[16] = {};
  std::string number;
  ssize_t n = 0;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0) {
    number.append(buffer, static_cast<std::size_t>(n));
    if (number.find('\n') != std::string::npos) break;
  }
  close(fds[0]);
  while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) number.pop_back();
  if (number.empty()) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return -1;
  }
  display = ":" + number;
  return pid;
}

}  // namespace
}  // namespace kz::test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::string display;
  const pid_t server = kz::test::StartXvfb(display);
  if (server > 0) {
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    kz::test::XvfbRunning() = true;
  } else {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);  // only to build the QApplication
  }
  int result = 0;
  {
    QApplication app(argc, argv);
    kz::app::LoadQtTranslation(app);
    QFont font("IPAGothic");
    font.setPixelSize(12);
    QApplication::setFont(font);
    result = RUN_ALL_TESTS();
  }
  if (server > 0) {
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
  }
  return result;
}
