#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

enum class ReceiveStatus {
  kOk,
  kFailed,    // closed, timed out, too slow, header too long or malformed, not the whole file
  kTooLarge,  // Content-Length above the limit: refused before allocating
  kNoMemory,  // the body buffer could not be allocated
  kDeadline,  // the whole update's time ran out while receiving
};

// The body of one response. On any failure the size is 0.
struct ReceivedBody {
  ReceiveStatus status = ReceiveStatus::kFailed;
  std::unique_ptr<char[]> data;
  size_t size = 0;

  bool Ok() const { return status == ReceiveStatus::kOk; }
  std::string_view View() const { return {data.get(), size}; }
};

// Reads one response from a connected socket: the header (at most
// CResponseHeader::kMaxBytes), interim 1xx answers skipped, then exactly
// Content-Length body bytes, read in large blocks. Only what is certainly the
// whole file gives a body: status 200, exactly one Content-Length of at most
// `maxBytes`, no Transfer-Encoding (chunk framing or a part of the file would
// otherwise be installed as the file). Each receive is bounded by the
// socket's own time limit; `progress` (when given) counts the bytes received.
ReceivedBody ReceiveResponse(int fd, uint64_t maxBytes, std::atomic<uint64_t>* progress = nullptr);

// Least number of bytes a download must deliver in every time-limit window;
// a server that trickles slower than this is abandoned.
inline constexpr uint64_t kMinBytesPerWindow = 1024;

// The receiving side of one download: a thread reads the response while the
// main thread sends the request, then waits for "data ready". Failures wake
// the waiter too, with an empty body.
class CReceiver {
 public:
  using Clock = std::chrono::steady_clock;

  // `fd` stays owned by the caller and must outlive the receiver. The
  // receive is abandoned when `deadline` passes.
  CReceiver(int fd, std::chrono::milliseconds timeout, uint64_t maxBytes, Clock::time_point deadline);
  ~CReceiver();
  CReceiver(const CReceiver&) = delete;
  CReceiver& operator=(const CReceiver&) = delete;

  void Start();
  // Ends the receive early (the request could not be sent): shuts the
  // socket down, which wakes the thread with a failure.
  void Abort();
  // Waits for "data ready" and joins the thread. Should fewer than
  // kMinBytesPerWindow bytes arrive within any time-limit window (a stall or
  // a trickle), or the deadline pass, the socket is shut down so that the
  // thread ends: this never waits for ever. A receive cut by the deadline
  // comes back as kDeadline.
  ReceivedBody Wait();

 private:
  void Run();

  int fd_;
  std::chrono::milliseconds timeout_;
  uint64_t maxBytes_;
  Clock::time_point deadline_;
  std::thread thread_;
  std::atomic<uint64_t> progress_{0};
  std::mutex mutex_;
  std::condition_variable dataReady_;
  bool ready_ = false;
  ReceivedBody body_;
};
