#include "testhttpserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <thread>

namespace {

constexpr int kPollMs = 20;
constexpr size_t kMaxRequestBytes = 16 * 1024;
constexpr size_t kSendBlockBytes = 1 << 20;

// Binds a fresh socket to 127.0.0.1 on a free port.
int BindLoopback(uint16_t& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket");
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    ::close(fd);
    throw std::runtime_error("bind");
  }
  port = ntohs(address.sin_port);
  return fd;
}

// Waits until fd is readable, checking `stop` in between. False on stop.
bool WaitReadable(int fd, const std::atomic<bool>& stop) {
  pollfd p{fd, POLLIN, 0};
  while (!stop) {
    const int ready = ::poll(&p, 1, kPollMs);
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
  }
  return false;
}

}  // namespace

CTestHttpServer::CTestHttpServer() {
  listenFd_ = BindLoopback(port_);
  if (::listen(listenFd_, 8) != 0) throw std::runtime_error("listen");
  thread_ = std::thread([this] { Run(); });
}

CTestHttpServer::~CTestHttpServer() {
  stop_ = true;
  thread_.join();
  ::close(listenFd_);
}

void CTestHttpServer::Answer(const std::string& path, std::string bytes, After after, Pace pace) {
  std::lock_guard lock(mutex_);
  answers_[path] = {std::move(bytes), after, pace};
}

void CTestHttpServer::ServeFile(const std::string& path, const std::string& body) {
  Answer(path, OkHeader(body.size()) + body);
}

std::string CTestHttpServer::OkHeader(uint64_t contentLength) {
  return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
         std::to_string(contentLength) + "\r\n\r\n";
}

std::vector<std::string> CTestHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::vector<std::string> CTestHttpServer::RequestedPaths() const {
  std::vector<std::string> paths;
  for (const std::string& request : Requests()) {
    const size_t start = request.find(' ');
    const size_t end = request.find(' ', start + 1);
    paths.push_back(start == std::string::npos ? request : request.substr(start + 1, end - start - 1));
  }
  return paths;
}

void CTestHttpServer::Run() {
  while (WaitReadable(listenFd_, stop_)) {
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    Handle(fd);
    ::close(fd);
  }
}

bool CTestHttpServer::ReadRequest(int fd, std::string& request) {
  char block[1024];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
    if (!WaitReadable(fd, stop_)) return false;
    const ssize_t got = ::recv(fd, block, sizeof block, 0);
    if (got <= 0) return false;
    request.append(block, static_cast<size_t>(got));
  }
  return true;
}

void CTestHttpServer::Handle(int fd) {
  std::string request;
  if (!ReadRequest(fd, request)) return;
  const size_t start = request.find(' ');
  const size_t end = request.find(' ', start + 1);
  const std::string path = start == std::string::npos ? std::string() : request.substr(start + 1, end - start - 1);
  Canned answer{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found", After::kKeepOpen, {}};
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    if (const auto it = answers_.find(path); it != answers_.end()) answer = it->second;
  }
  const size_t step = answer.pace.bytes > 0 ? answer.pace.bytes : kSendBlockBytes;
  for (size_t sent = 0; sent < answer.bytes.size() && !stop_;) {
    if (sent > 0 && answer.pace.bytes > 0 && !Pause(answer.pace.every)) return;
    const ssize_t n =
        ::send(fd, answer.bytes.data() + sent, std::min(answer.bytes.size() - sent, step), MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
  if (answer.after == After::kClose) return;
  char sink[4096];
  while (WaitReadable(fd, stop_)) {
    if (::recv(fd, sink, sizeof sink, 0) <= 0) return;
  }
}

// Sleeps in short steps so that stopping the server is not held up; false
// when it is being stopped.
bool CTestHttpServer::Pause(std::chrono::milliseconds length) const {
  const auto until = std::chrono::steady_clock::now() + length;
  while (!stop_ && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::min<std::chrono::milliseconds>(length, std::chrono::milliseconds(kPollMs)));
  }
  return !stop_;
}

CClosedPort::CClosedPort() { fd_ = BindLoopback(port_); }

CClosedPort::~CClosedPort() { ::close(fd_); }

bool CRecordingEnvironment::InstalledVersion(const std::string& name, std::string& version) {
  versionLookups.push_back(name);
  const auto it = versions.find(name);
  if (it == versions.end()) return false;
  version = it->second;
  return true;
}

void CRecordingEnvironment::ShowError(const std::string& text, const std::string& title) {
  messages.push_back({text, title});
}

bool CRecordingEnvironment::StartProgram() {
  ++starts;
  return startSucceeds;
}
