#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "messages.h"

// Every test program runs inside a headless widget application, in a scratch
// folder of its own, so that dialogs and the plugins' data files work as in
// the program without touching anyone's real files.
int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Run by hand rather than by ctest: still keep away from the user's
  // settings and files.
  if (!std::getenv("ZAMO_TEST_SCRATCH")) {
    const std::string own = (std::filesystem::temp_directory_path() / ("zamo-test-" + std::to_string(getpid()))).string();
    setenv("ZAMO_TEST_SCRATCH", own.c_str(), 1);
    setenv("HOME", own.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (own + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (own + "/data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (own + "/run").c_str(), 1);
    setenv("ZAMO_NO_OPEN", "1", 1);
  }
  if (const char* scratch = std::getenv("ZAMO_TEST_SCRATCH")) {
    std::filesystem::create_directories(std::string(scratch) + "/run");
    std::filesystem::create_directories(std::string(scratch) + "/work");
    std::filesystem::permissions(std::string(scratch) + "/run", std::filesystem::perms::owner_all);
    QDir::setCurrent(QString::fromStdString(std::string(scratch) + "/work"));
  }
  QApplication app(argc, argv);
  // A message no test answers is printed, never left waiting as a box.
  SetUnattended(true);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
