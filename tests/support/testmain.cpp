#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "messages.h"

// Every test program runs inside a headless widget application, in a scratch
// folder of its own process (cases of one program run side by side, each in
// a process of its own), so that dialogs and the plugins' data files work
// as in the program without touching anyone's real files.
int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const char* given = std::getenv("ZAMO_TEST_SCRATCH");
  const std::filesystem::path base = given ? std::filesystem::path(given) : std::filesystem::temp_directory_path() / "zamo-test";
  const std::string own = (base / ("p" + std::to_string(getpid()))).string();
  std::filesystem::create_directories(own + "/run");
  std::filesystem::create_directories(own + "/work");
  std::filesystem::permissions(own + "/run", std::filesystem::perms::owner_all);
  setenv("ZAMO_TEST_SCRATCH", own.c_str(), 1);
  setenv("HOME", own.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (own + "/config").c_str(), 1);
  setenv("XDG_DATA_HOME", (own + "/data").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (own + "/run").c_str(), 1);
  setenv("ZAMO_NO_OPEN", "1", 1);
  QDir::setCurrent(QString::fromStdString(own + "/work"));
  QApplication app(argc, argv);
  // A message no test answers is printed, never left waiting as a box.
  SetUnattended(true);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  // A failed case leaves its folder for a look; a passed one cleans up.
  if (result == 0) {
    QDir::setCurrent(QString::fromStdString(base.string()));
    std::error_code ignored;
    std::filesystem::remove_all(own, ignored);
  }
  return result;
}
