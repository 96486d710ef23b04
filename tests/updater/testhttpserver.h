#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "updaterun.h"

// How an answer is sent: `bytes` at a time with a pause of `every` in
// between (a slow server). Zero bytes: all at once.
struct AnswerPace {
  size_t bytes = 0;
  std::chrono::milliseconds every{0};
};

// A small HTTP server on 127.0.0.1 for the updater's tests and benchmark: a
// thread that answers one connection at a time with canned bytes chosen by
// the request path. Unknown paths get a 404.
class CTestHttpServer {
 public:
  enum class After {
    kKeepOpen,  // wait for the client to close (a stall when the answer is short)
    kClose,     // close right after the answer
  };

  using Pace = AnswerPace;

  CTestHttpServer();
  ~CTestHttpServer();
  CTestHttpServer(const CTestHttpServer&) = delete;
  CTestHttpServer& operator=(const CTestHttpServer&) = delete;

  uint16_t Port() const { return port_; }
  // Raw answer bytes for a path.
  void Answer(const std::string& path, std::string bytes, After after = After::kKeepOpen, Pace pace = {});
  // A plain "200 OK" with a Content-Length.
  void ServeFile(const std::string& path, const std::string& body);
  // The raw requests received, in order.
  std::vector<std::string> Requests() const;
  std::vector<std::string> RequestedPaths() const;

  static std::string OkHeader(uint64_t contentLength);

 private:
  struct Canned {
    std::string bytes;
    After after = After::kKeepOpen;
    Pace pace;
  };
  void Run();
  void Handle(int fd);
  bool ReadRequest(int fd, std::string& request);
  bool Pause(std::chrono::milliseconds length) const;

  int listenFd_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::map<std::string, Canned> answers_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens: connections are refused.
class CClosedPort {
 public:
  CClosedPort();
  ~CClosedPort();
  uint16_t Port() const { return port_; }

 private:
  int fd_ = -1;
  uint16_t port_ = 0;
};

// Stands in for the program around an update run: installed versions from a
// map, messages, events and the restart recorded.
class CRecordingEnvironment : public CUpdateEnvironment {
 public:
  struct Message {
    std::string text;
    std::string title;
  };

  std::map<std::string, std::string> versions;
  std::vector<Message> messages;
  std::vector<std::string> versionLookups;
  bool connected = false;
  bool filesWritten = false;
  int starts = 0;
  bool startSucceeds = true;

  bool InstalledVersion(const std::string& name, std::string& version) override;
  void ShowError(const std::string& text, const std::string& title) override;
  void SignalConnected() override { connected = true; }
  void SignalFilesWritten() override { filesWritten = true; }
  bool StartProgram() override;
};
