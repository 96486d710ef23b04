#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// One run of the updater: fetch the host's index, download every file whose
// installed version is older, put each in place, then hand back to the
// program. Everything outside the network and the folder (installed versions,
// messages, the two events, starting the program) goes through
// CUpdateEnvironment, so the run is the same in the program and in tests.

struct UpdateOptions {
  std::string host;
  uint16_t port = 80;
  // How long any connect, send or receive may go without progress.
  std::chrono::milliseconds timeout{30000};
  // Largest index or file accepted; a larger Content-Length is refused
  // before anything is allocated.
  uint64_t maxBytes = 256ull * 1024 * 1024;
  // The folder files are written into (the program's folder).
  std::string targetDir;
};

class CUpdateEnvironment {
 public:
  virtual ~CUpdateEnvironment() = default;
  // The installed version of file `name`; false when none is recorded.
  virtual bool InstalledVersion(const std::string& name, std::string& version) = 0;
  // A modal error message (UTF-8 text and title).
  virtual void ShowError(const std::string& text, const std::string& title) = 0;
  // The host answered the connection ("ZamoUpdateEvent").
  virtual void SignalConnected() = 0;
  // All files were downloaded and written ("ZamoUpdateEvent2").
  virtual void SignalFilesWritten() = 0;
  // Starts the program again; false when it cannot be started.
  virtual bool StartProgram() = 0;
};

enum class UpdateOutcome {
  kNoConnection,      // host not found or not answering
  kIndexNotRequested, // the index request could not be sent
  kIndexNotReceived,  // the index did not arrive
  kFileNotWritten,    // a downloaded file could not be put in place
  kProgramNotStarted, // all done, but the program did not start
  kRestarted,         // all done and the program started
};

struct UpdateReport {
  UpdateOutcome outcome = UpdateOutcome::kNoConnection;
  std::vector<std::string> downloaded;  // names received, in index order
  std::vector<std::string> installed;   // names put in place
  std::vector<std::string> skipped;     // names refused as file names
  std::vector<std::string> failed;      // names whose download failed
};

UpdateReport RunUpdate(const UpdateOptions& options, CUpdateEnvironment& environment);
