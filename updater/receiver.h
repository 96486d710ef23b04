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
  kFailed,    // closed, timed out, header too long or malformed, not a success status
  kTooLarge,  // Content-Length above the limit: refused before allocating
  kNoMemory,  // the body buffer could not be allocated
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
// Content-Length body bytes, read in large blocks. Only a 2xx answer with a
// Content-Length of at most `maxBytes` gives a body. Each receive is bounded
// by the socket's own time limit; `progress` (when given) is bumped whenever
// bytes arrive.
ReceivedBody ReceiveResponse(int fd, uint64_t maxBytes, std::atomic<uint64_t>* progress = nullptr);

// The receiving side of one download: a thread reads the response while the
// main thread sends the request, then waits for "data ready". Failures wake
// the waiter too, with an empty body.
class CReceiver {
 public:
  // `fd` stays owned by the caller and must outlive the receiver.
  CReceiver(int fd, std::chrono::milliseconds timeout, uint64_t maxBytes);
  ~CReceiver();
  CReceiver(const CReceiver&) = delete;
  CReceiver& operator=(const CReceiver&) = delete;

  void Start();
  // Ends the receive early (the request could not be sent): shuts the
  // socket down, which wakes the thread with a failure.
  void Abort();
  // Waits for "data ready" and joins the thread. Should the thread make no
  // progress for longer than the time limit (its socket's own limits
  // notwithstanding), the socket is shut down so that it ends: this never
  // waits for ever.
  ReceivedBody Wait();

 private:
  void Run();

  int fd_;
  std::chrono::milliseconds timeout_;
  uint64_t maxBytes_;
  std::thread thread_;
  std::atomic<uint64_t> progress_{0};
  std::mutex mutex_;
  std::condition_variable dataReady_;
  bool ready_ = false;
  ReceivedBody body_;
};
