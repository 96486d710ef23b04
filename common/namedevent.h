#pragma once

#include <string>

// A named, manual-reset event shared between processes (the program and the
// updater): once set it stays set until reset. Built on a named semaphore
// whose count is kept at 0 (not set) or 1 (set).
class CNamedEvent {
 public:
  CNamedEvent() = default;
  ~CNamedEvent();
  CNamedEvent(const CNamedEvent&) = delete;
  CNamedEvent& operator=(const CNamedEvent&) = delete;

  // Creates the event, or opens it when another process already made it.
  bool Create(const std::string& name);
  // Opens an existing event; false when nobody created it.
  bool Open(const std::string& name);
  bool IsValid() const { return handle_ != nullptr; }

  bool Set();
  bool Reset();
  bool IsSet() const;
  void Close();

  // Removes the name from the system (the creator's clean-up).
  static void Unlink(const std::string& name);

 private:
  void* handle_ = nullptr;
};
