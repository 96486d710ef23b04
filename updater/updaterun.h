#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "receiver.h"
#include "updateindex.h"

// One run of the updater: fetch the host's index, download every file whose
// installed version is older, put each in place, then hand back to the
// program. Everything outside the network and the folder (installed versions,
// messages, the two events, starting the program) goes through
// CUpdateEnvironment, so the run is the same in the program and in tests.

struct UpdateOptions {
  std::string host;
  uint16_t port = 80;
  // How long any connect, send or receive may go without progress; a
  // download must also deliver kMinBytesPerWindow bytes in every such window.
  std::chrono::milliseconds timeout{30000};
  // How long the whole update may take, from the first connect to the last
  // file. What is not downloaded by then is left for the next update.
  std::chrono::milliseconds deadline{std::chrono::minutes(10)};
  // Largest file accepted (the index has its own, smaller limit); a larger
  // Content-Length is refused before anything is allocated.
  uint64_t maxBytes = 256ull * 1024 * 1024;
  // The folder files are written into (the program's folder).
  std::string targetDir;
  // The folder of the program's data files (language file, price table,
  // pictures); those files of an update go there. Empty: targetDir.
  std::string dataDir;
};

// Whether an update's file `name` is one of the data folder's (the language
// file, the price and profile tables, pictures) rather than a program or
// library of the program's folder.
bool BelongsInDataFolder(std::string_view name);

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

// Limits of the index: it is read whole into memory and every entry may
// end up named in a message.
inline constexpr uint64_t kMaxIndexBytes = 1024 * 1024;
inline constexpr size_t kMaxIndexEntries = 10000;
// Names listed in one message; the rest are counted.
inline constexpr size_t kMaxListedNames = 20;

enum class UpdateOutcome {
  kNoConnection,      // host not found or not answering
  kIndexNotRequested, // the index request could not be sent
  kIndexNotReceived,  // the index did not arrive (or the deadline passed first)
  kIndexTooLarge,     // the index is beyond its limits
  kProgramNotStarted, // all done, but the program did not start
  kRestarted,         // all done and the program started
};

// A file that fails (download, putting in place, the deadline) never stops
// the others or the restart; the closing messages name it.
struct UpdateReport {
  UpdateOutcome outcome = UpdateOutcome::kNoConnection;
  std::vector<std::string> downloaded;  // names received, in index order
  std::vector<std::string> installed;   // names put in place
  std::vector<std::string> skipped;     // names refused as file names
  std::vector<std::string> failed;      // names whose download failed
  std::vector<std::string> notWritten;  // names received but not put in place
  std::vector<std::string> late;        // names left undone when the deadline passed
  bool deadlinePassed = false;
};

// Fetching the host's index alone, under the update's rules (time limits,
// the deadline, the index's size limits): how the program asks whether
// anything is newer before it hands over to the updater.
enum class IndexStatus {
  kOk,
  kNoConnection,  // host not found or not answering
  kNotRequested,  // the request could not be sent
  kNotReceived,   // no complete answer (see receive)
  kTooLarge,      // beyond kMaxIndexBytes or kMaxIndexEntries
  kDeadline,      // the deadline passed first
};

struct IndexFetch {
  IndexStatus status = IndexStatus::kNoConnection;
  ReceiveStatus receive = ReceiveStatus::kOk;  // why it was not received
  uint32_t address = 0;                        // the address that answered
  std::vector<IndexEntry> entries;
};

IndexFetch FetchIndex(const UpdateOptions& options, std::chrono::steady_clock::time_point deadline);

// The entries with a plain file name whose installed version is older or
// unknown (`installedVersion` gives it; false when none is recorded).
using InstalledVersionLookup = std::function<bool(const std::string& name, std::string& version)>;
std::vector<IndexEntry> NewerEntries(const std::vector<IndexEntry>& entries,
                                     const InstalledVersionLookup& installedVersion);

// The whole update. The program is started again at the end whatever
// happened, after the messages saying what failed.
UpdateReport RunUpdate(const UpdateOptions& options, CUpdateEnvironment& environment);
