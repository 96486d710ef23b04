#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// IPv4 stream sockets for the update download. Every operation is bounded by
// a time limit, so no step can keep the updater waiting for ever.

// Owns one socket descriptor; closes it when destroyed.
class CSocket {
 public:
  CSocket() = default;
  explicit CSocket(int fd) : fd_(fd) {}
  ~CSocket();
  CSocket(CSocket&& other) noexcept : fd_(other.Release()) {}
  CSocket& operator=(CSocket&& other) noexcept;
  CSocket(const CSocket&) = delete;
  CSocket& operator=(const CSocket&) = delete;

  bool IsValid() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  int Release();
  void Close();
  // Ends both directions: a thread blocked in a receive on it returns at once.
  void Shutdown() const;

 private:
  int fd_ = -1;
};

// The IPv4 addresses of a host in the resolver's order (network byte order);
// empty when it has none.
std::vector<uint32_t> ResolveIPv4(const std::string& host);

// Connects to address:port within `timeout`. The socket's sends and receives
// then give up after `timeout` without progress. Invalid on failure.
CSocket ConnectTo(uint32_t address, uint16_t port, std::chrono::milliseconds timeout);

// Sends all bytes (no SIGPIPE when the peer has gone). False on any failure.
bool SendAll(int fd, std::string_view bytes);
