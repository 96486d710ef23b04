#include "testsupport.h"

#include "languagetable.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace fs = std::filesystem;

CScratchDir::CScratchDir() {
  static std::atomic<int> counter{0};
  const char* base = std::getenv("ZAMO_TEST_SCRATCH");
  fs::path root = base ? fs::path(base) : fs::temp_directory_path() / "zamo-tests";
  fs::path dir;
  do {
    dir = root / ("scratch-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  } while (fs::exists(dir));
  fs::create_directories(dir);
  path_ = fs::absolute(dir).string();
}

CScratchDir::~CScratchDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

CScopedCurrentDir::CScopedCurrentDir(const std::string& path) : previous_(QDir::currentPath()) {
  QDir::setCurrent(QString::fromStdString(path));
}

CScopedCurrentDir::~CScopedCurrentDir() { QDir::setCurrent(previous_); }

CMessageRecorder::CMessageRecorder() {
  previous_ = SetMessageSink([this](const MessageRequest& request) {
    messages_.push_back(request);
    if (!answers_.empty()) {
      const int answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    return request.buttons == MessageButtons::YesNo || request.buttons == MessageButtons::YesNoCancel
               ? static_cast<int>(kMessageYes)
               : static_cast<int>(kMessageOk);
  });
}

CMessageRecorder::~CMessageRecorder() { SetMessageSink(std::move(previous_)); }

std::pair<int, int> CMessageRecorder::Entries(size_t i) const {
  if (i >= messages_.size()) return {-1, -1};
  return {messages_[i].textEntry, messages_[i].captionEntry};
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string SourceDataDir() { return std::string(ZAMO_SOURCE_DIR) + "/data"; }

bool ExportedSymbols(const QString& libraryPath, std::set<std::string>& names) {
  const QString nm = QStandardPaths::findExecutable(QStringLiteral("nm"));
  if (nm.isEmpty()) return false;
  QProcess process;
  process.start(nm, {QStringLiteral("-D"), QStringLiteral("--defined-only"), libraryPath});
  if (!process.waitForFinished()) return false;
  names.clear();
  for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
    const QByteArray name = line.trimmed().split(' ').last();
    if (name.isEmpty() || name == "__bss_start" || name == "_edata" || name == "_end" || name == "_init" ||
        name == "_fini" || name.startsWith("__asan") || name.startsWith("__odr_asan") || name.startsWith("__ubsan") ||
        name.startsWith("__sanitizer")) {
      continue;
    }
    names.insert(name.toStdString());
  }
  return true;
}

const CLanguageTable& ShippedLanguage() {
  static const CLanguageTable table = [] {
    CLanguageTable loaded;
    loaded.LoadFile(SourceDataDir() + "/zamo.language", 0);
    return loaded;
  }();
  return table;
}
