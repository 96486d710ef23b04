#include "receiver.h"

#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <new>

#include "responseheader.h"

namespace {

constexpr size_t kHeaderBlockBytes = 4096;
constexpr size_t kBodyBlockBytes = 1 << 20;
// A server that keeps sending interim answers is not going to send a file.
constexpr int kMaxInterimAnswers = 16;
// Extra time the waiting side allows beyond the socket's own limit before it
// ends a receive that stopped moving.
constexpr std::chrono::milliseconds kWatchdogGrace{1000};

ssize_t Receive(int fd, char* into, size_t size) {
  ssize_t got = 0;
  do {
    got = ::recv(fd, into, size, 0);
  } while (got < 0 && errno == EINTR);
  return got;
}

ReceivedBody Failure(ReceiveStatus status = ReceiveStatus::kFailed) {
  ReceivedBody body;
  body.status = status;
  return body;
}

}  // namespace

ReceivedBody ReceiveResponse(int fd, uint64_t maxBytes, std::atomic<uint64_t>* progress) {
  char block[kHeaderBlockBytes];
  size_t blockSize = 0;
  size_t blockPos = 0;
  CResponseHeader header;
  for (int answer = 0; answer <= kMaxInterimAnswers; ++answer) {
    header.Clear();
    while (header.GetState() == CResponseHeader::State::kIncomplete) {
      if (blockPos == blockSize) {
        const ssize_t got = Receive(fd, block, sizeof block);
        if (got <= 0) return Failure();
        if (progress) progress->fetch_add(1);
        blockSize = static_cast<size_t>(got);
        blockPos = 0;
      }
      blockPos += header.Feed(std::string_view(block + blockPos, blockSize - blockPos));
    }
    if (header.GetState() == CResponseHeader::State::kTooLong) return Failure();

    const int status = StatusCode(header.Text());
    if (status >= 100 && status < 200) continue;
    // An error page must never be taken for the file it stands in for.
    if (status < 200 || status >= 300) return Failure();

    const ContentLength length = FindContentLength(header.Text(), maxBytes);
    if (length.field == LengthField::kTooLarge) return Failure(ReceiveStatus::kTooLarge);
    if (length.field != LengthField::kValid) return Failure();

    ReceivedBody body;
    const auto size = static_cast<size_t>(length.bytes);
    // One spare byte keeps room for a terminating zero, as text readers expect.
    body.data.reset(new (std::nothrow) char[size + 1]);
    if (!body.data) return Failure(ReceiveStatus::kNoMemory);
    size_t have = std::min(size, blockSize - blockPos);
    std::memcpy(body.data.get(), block + blockPos, have);
    while (have < size) {
      const ssize_t got = Receive(fd, body.data.get() + have, std::min(size - have, kBodyBlockBytes));
      if (got <= 0) return Failure();
      if (progress) progress->fetch_add(1);
      have += static_cast<size_t>(got);
    }
    body.data[size] = '\0';
    body.size = size;
    body.status = ReceiveStatus::kOk;
    return body;
  }
  return Failure();
}

CReceiver::CReceiver(int fd, std::chrono::milliseconds timeout, uint64_t maxBytes)
    : fd_(fd), timeout_(timeout), maxBytes_(maxBytes) {}

CReceiver::~CReceiver() {
  if (thread_.joinable()) {
    Abort();
    thread_.join();
  }
}

void CReceiver::Start() { thread_ = std::thread([this] { Run(); }); }

void CReceiver::Abort() { ::shutdown(fd_, SHUT_RDWR); }

void CReceiver::Run() {
  ReceivedBody body = ReceiveResponse(fd_, maxBytes_, &progress_);
  {
    std::lock_guard lock(mutex_);
    body_ = std::move(body);
    ready_ = true;
  }
  dataReady_.notify_all();
}

ReceivedBody CReceiver::Wait() {
  if (!thread_.joinable()) return Failure();
  {
    std::unique_lock lock(mutex_);
    const auto stallLimit = timeout_ + kWatchdogGrace;
    uint64_t seen = progress_.load();
    auto lastMove = std::chrono::steady_clock::now();
    while (!ready_) {
      dataReady_.wait_for(lock, std::min<std::chrono::milliseconds>(stallLimit, std::chrono::milliseconds(250)));
      if (ready_) break;
      const auto now = std::chrono::steady_clock::now();
      if (const uint64_t p = progress_.load(); p != seen) {
        seen = p;
        lastMove = now;
      } else if (now - lastMove > stallLimit) {
        Abort();
        lastMove = now;
      }
    }
  }
  thread_.join();
  return std::move(body_);
}
