#include "testsupport.h"

#include "languagetable.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
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

const char* UnreadableKindName(UnreadableKind kind) {
  switch (kind) {
    case UnreadableKind::kFolder: return "folder";
    case UnreadableKind::kFifo: return "pipe";
    case UnreadableKind::kOverLimit: return "over the limit";
  }
  return "?";
}

struct CUnreadableFile::CWatchdog {
  std::mutex mutex;
  std::condition_variable stop;
  bool stopping = false;
  std::atomic<bool> fired{false};
  std::thread thread;
};

CUnreadableFile::CUnreadableFile(const std::string& path, UnreadableKind kind, uint64_t limit) : path_(path) {
  std::error_code ec;
  fs::remove_all(path, ec);
  switch (kind) {
    case UnreadableKind::kFolder:
      fs::create_directory(path);
      break;
    case UnreadableKind::kOverLimit:
      WriteFileBytes(path, std::string());
      fs::resize_file(path, limit + 1);
      break;
    case UnreadableKind::kFifo: {
      ::mkfifo(path.c_str(), 0644);
      watchdog_ = std::make_unique<CWatchdog>();
      CWatchdog* dog = watchdog_.get();
      dog->thread = std::thread([dog, path] {
        std::unique_lock<std::mutex> lock(dog->mutex);
        while (!dog->stopping) {
          if (dog->stop.wait_for(lock, std::chrono::seconds(5)) != std::cv_status::timeout) continue;
          // Opening for writing succeeds only while someone waits to read.
          const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
          if (fd >= 0) {
            dog->fired = true;
            ::close(fd);
          }
        }
      });
      break;
    }
  }
}

CUnreadableFile::~CUnreadableFile() {
  if (watchdog_) {
    {
      const std::lock_guard<std::mutex> lock(watchdog_->mutex);
      watchdog_->stopping = true;
    }
    watchdog_->stop.notify_all();
    watchdog_->thread.join();
  }
  std::error_code ec;
  fs::remove_all(path_, ec);
}

bool CUnreadableFile::ReaderWaited() const { return watchdog_ && watchdog_->fired; }
