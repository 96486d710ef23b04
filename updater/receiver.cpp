#include "receiver.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <new>

#include "responseheader.h"

namespace {

constexpr size_t kHeaderBlockBytes = 4096;
constexpr size_t kBodyBlockBytes = 1 << 20;
// A server that keeps sending interim answers is not going to send a file.
constexpr int kMaxInterimAnswers = 16;
// How often the waiting side looks at the receive's progress.
constexpr std::chrono::milliseconds kLongestLook{250};
constexpr std::chrono::milliseconds kShortestLook{5};
// Progress samples kept per window: enough to see any window to within an
// eighth of its length, few enough to stay small for a day-long limit.
constexpr int kSamplesPerWindow = 8;

using Clock = CReceiver::Clock;

// Watches the bytes a receive has delivered over a sliding window of the
// time limit.
class CThroughputWatch {
 public:
  CThroughputWatch(std::chrono::milliseconds window, Clock::time_point start)
      : window_(window), spacing_(window / kSamplesPerWindow) {
    samples_.push_back({start, 0});
  }

  // True when less than kMinBytesPerWindow arrived in the last window.
  bool TooSlow(Clock::time_point now, uint64_t bytes) {
    if (now - samples_.back().time >= spacing_) samples_.push_back({now, bytes});
    // Keep the newest sample that is at least a window old as the front.
    while (samples_.size() > 1 && now - samples_[1].time >= window_) samples_.pop_front();
    const Sample& front = samples_.front();
    return now - front.time >= window_ && bytes - front.bytes < kMinBytesPerWindow;
  }

 private:
  struct Sample {
    Clock::time_point time;
    uint64_t bytes;
  };
  std::chrono::milliseconds window_;
  std::chrono::milliseconds spacing_;
  std::deque<Sample> samples_;
};

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
        if (progress) progress->fetch_add(static_cast<uint64_t>(got));
        blockSize = static_cast<size_t>(got);
        blockPos = 0;
      }
      blockPos += header.Feed(std::string_view(block + blockPos, blockSize - blockPos));
    }
    if (header.GetState() == CResponseHeader::State::kTooLong) return Failure();

    const int status = StatusCode(header.Text());
    if (status >= 100 && status < 200) continue;
    // An error page or a part of the file must never be taken for the file.
    if (status != 200) return Failure();
    // Whatever the coding, its framing is not the file's bytes.
    if (CountFields(header.Text(), "TRANSFER-ENCODING") > 0) return Failure();

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
      if (progress) progress->fetch_add(static_cast<uint64_t>(got));
      have += static_cast<size_t>(got);
    }
    body.data[size] = '\0';
    body.size = size;
    body.status = ReceiveStatus::kOk;
    return body;
  }
  return Failure();
}

CReceiver::CReceiver(int fd, std::chrono::milliseconds timeout, uint64_t maxBytes, Clock::time_point deadline)
    : fd_(fd), timeout_(timeout), maxBytes_(maxBytes), deadline_(deadline) {}

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
  bool cutByDeadline = false;
  {
    std::unique_lock lock(mutex_);
    const auto look = std::clamp(timeout_ / kSamplesPerWindow, kShortestLook, kLongestLook);
    CThroughputWatch watch(timeout_, Clock::now());
    bool aborted = false;
    while (!ready_) {
      dataReady_.wait_until(lock, std::min(Clock::now() + look, deadline_));
      if (ready_ || aborted) continue;
      const auto now = Clock::now();
      if (now >= deadline_) {
        cutByDeadline = true;
        aborted = true;
      } else {
        aborted = watch.TooSlow(now, progress_.load());
      }
      if (aborted) Abort();
    }
  }
  thread_.join();
  if (cutByDeadline && !body_.Ok()) return Failure(ReceiveStatus::kDeadline);
  return std::move(body_);
}
