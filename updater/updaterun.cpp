#include "updaterun.h"

#include <algorithm>

#include "connection.h"
#include "installfile.h"
#include "receiver.h"
#include "responseheader.h"
#include "updateindex.h"
#include "updatetexts.h"

namespace {

using Clock = std::chrono::steady_clock;

// Longest part of a refused name quoted in the closing message.
constexpr size_t kShownNameBytes = 80;

struct Fetched {
  bool sent = false;
  ReceivedBody body;
};

// The time limit of one step, shortened to what is left before the deadline.
std::chrono::milliseconds StepLimit(std::chrono::milliseconds timeout, Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return std::max(std::min(timeout, left), std::chrono::milliseconds(1));
}

// Requests `path` on a connected socket while a receiving thread listens for
// the answer, then closes the socket. When the request cannot be sent the
// receiving side is woken at once instead of waiting for an answer that will
// not come.
Fetched Fetch(CSocket& socket, const std::string& path, const UpdateOptions& options, uint64_t maxBytes,
              Clock::time_point deadline) {
  Fetched fetched;
  {
    CReceiver receiver(socket.Fd(), options.timeout, maxBytes, deadline);
    receiver.Start();
    fetched.sent = SendAll(socket.Fd(), BuildRequest(path, options.host, options.port));
    if (!fetched.sent) receiver.Abort();
    fetched.body = receiver.Wait();
  }
  socket.Close();
  return fetched;
}

const char* ReceiveFailureText(ReceiveStatus status) {
  const bool memory = status == ReceiveStatus::kTooLarge || status == ReceiveStatus::kNoMemory;
  return memory ? UpdateText::Get(UpdateText::kNoMemory) : UpdateText::Get(UpdateText::kReceiveFailed);
}

// A name as the user sees it: quoted, shortened, without control characters.
std::string ShownName(const std::string& name) {
  std::string shown = "\"";
  for (size_t i = 0; i < name.size() && i < kShownNameBytes; ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    shown += c < 0x20 || c == 0x7F ? '?' : name[i];
  }
  if (name.size() > kShownNameBytes) shown += "...";
  return shown + "\"";
}

// `text` followed by at most kMaxListedNames names; the rest are counted, so
// that no index makes a message longer than a screen.
std::string WithNames(const char* text, const std::vector<std::string>& names) {
  std::string message = text;
  message += UpdateText::Get(UpdateText::kNamesFollow);
  const size_t listed = std::min(names.size(), kMaxListedNames);
  for (size_t i = 0; i < listed; ++i) {
    if (i > 0) message += ", ";
    message += ShownName(names[i]);
  }
  if (names.size() > listed) message += UpdateText::Get(UpdateText::kMoreNames) + std::to_string(names.size() - listed);
  return message;
}

// Failed downloads grouped by the message each would show. They are shown
// together once the files are done: a long index must not become a long row
// of message boxes.
class CDownloadFailures {
 public:
  void Add(const char* text, const char* title, const std::string& name) {
    auto group = std::find_if(groups_.begin(), groups_.end(), [&](const Group& g) { return g.text == text; });
    if (group == groups_.end()) group = groups_.insert(groups_.end(), Group{text, title, {}});
    group->names.push_back(name);
  }

  void Show(CUpdateEnvironment& environment) const {
    for (const Group& group : groups_) environment.ShowError(WithNames(group.text, group.names), group.title);
  }

 private:
  struct Group {
    const char* text;
    const char* title;
    std::vector<std::string> names;
  };
  std::vector<Group> groups_;
};

}  // namespace

bool BelongsInDataFolder(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string suffix(name.substr(dot + 1));
  for (char& c : suffix) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return suffix == "language" || suffix == "data" || suffix == "jpg" || suffix == "jpeg" || suffix == "png" ||
         suffix == "bmp";
}

IndexFetch FetchIndex(const UpdateOptions& options, Clock::time_point deadline) {
  IndexFetch result;
  CSocket socket;
  for (const uint32_t candidate : ResolveIPv4(options.host)) {
    if (Clock::now() >= deadline) break;
    socket = ConnectTo(candidate, options.port, StepLimit(options.timeout, deadline));
    if (socket.IsValid()) {
      result.address = candidate;
      break;
    }
  }
  if (!socket.IsValid()) return result;
  const Fetched index = Fetch(socket, kIndexPath, options, std::min(options.maxBytes, kMaxIndexBytes), deadline);
  result.receive = index.body.status;
  if (!index.sent) {
    result.status = IndexStatus::kNotRequested;
  } else if (index.body.status == ReceiveStatus::kTooLarge) {
    result.status = IndexStatus::kTooLarge;
  } else if (index.body.status == ReceiveStatus::kDeadline) {
    result.status = IndexStatus::kDeadline;
  } else if (!index.body.Ok()) {
    result.status = IndexStatus::kNotReceived;
  } else {
    // One entry more than accepted tells an index that goes on.
    result.entries = ParseIndex(index.body.View(), kMaxIndexEntries + 1);
    result.status = result.entries.size() > kMaxIndexEntries ? IndexStatus::kTooLarge : IndexStatus::kOk;
    if (result.status != IndexStatus::kOk) result.entries.clear();
  }
  return result;
}

std::vector<IndexEntry> NewerEntries(const std::vector<IndexEntry>& entries,
                                     const InstalledVersionLookup& installedVersion) {
  std::vector<IndexEntry> newer;
  for (const IndexEntry& entry : entries) {
    const std::string name = CleanEntryName(entry.name);
    if (!IsPlainFileName(name)) continue;
    std::string installed;
    if (installedVersion(name, installed) && CompareVersions(installed, entry.version) >= 0) continue;
    newer.push_back(entry);
  }
  return newer;
}

namespace {

// What stopped an update before any file: its message.
void TellIndexFailure(const IndexFetch& index, CUpdateEnvironment& environment) {
  const UpdateText::Text* text = nullptr;
  switch (index.status) {
    case IndexStatus::kNoConnection: text = &UpdateText::kNoConnection; break;
    case IndexStatus::kNotRequested: text = &UpdateText::kRequestFailed; break;
    case IndexStatus::kTooLarge: text = &UpdateText::kIndexTooLarge; break;
    case IndexStatus::kDeadline: text = &UpdateText::kDeadlinePassed; break;
    case IndexStatus::kNotReceived:
      environment.ShowError(ReceiveFailureText(index.receive), UpdateText::Get(UpdateText::kErrorTitle));
      return;
    case IndexStatus::kOk: return;
  }
  if (text) environment.ShowError(UpdateText::Get(*text), UpdateText::Get(UpdateText::kUpdateErrorTitle));
}

UpdateOutcome OutcomeOf(IndexStatus status) {
  switch (status) {
    case IndexStatus::kNoConnection: return UpdateOutcome::kNoConnection;
    case IndexStatus::kNotRequested: return UpdateOutcome::kIndexNotRequested;
    case IndexStatus::kTooLarge: return UpdateOutcome::kIndexTooLarge;
    default: return UpdateOutcome::kIndexNotReceived;
  }
}

// The user is never left without the program: it starts again after a
// failed update as after a good one.
void Restart(CUpdateEnvironment& environment, UpdateReport& report) {
  if (environment.StartProgram()) return;
  environment.ShowError(UpdateText::Get(UpdateText::kCannotStartProgram), UpdateText::Get(UpdateText::kUpdateErrorTitle));
  report.outcome = UpdateOutcome::kProgramNotStarted;
}

}  // namespace

UpdateReport RunUpdate(const UpdateOptions& options, CUpdateEnvironment& environment) {
  UpdateReport report;
  const Clock::time_point deadline = Clock::now() + options.deadline;

  const IndexFetch index = FetchIndex(options, deadline);
  if (index.status != IndexStatus::kNoConnection) environment.SignalConnected();
  if (index.status != IndexStatus::kOk) {
    report.outcome = OutcomeOf(index.status);
    report.deadlinePassed = index.status == IndexStatus::kDeadline;
    TellIndexFailure(index, environment);
    Restart(environment, report);
    return report;
  }
  const uint32_t address = index.address;
  const std::vector<IndexEntry>& entries = index.entries;

  CDownloadFailures failures;
  for (const IndexEntry& entry : entries) {
    const std::string name = CleanEntryName(entry.name);
    if (!IsPlainFileName(name)) {
      report.skipped.push_back(name);
      continue;
    }
    std::string installed;
    if (environment.InstalledVersion(name, installed) && CompareVersions(installed, entry.version) >= 0) continue;
    if (report.deadlinePassed || Clock::now() >= deadline) {
      report.deadlinePassed = true;
      report.late.push_back(name);
      continue;
    }

    // A file whose connection fails is left for the next update.
    CSocket fileSocket = ConnectTo(address, options.port, StepLimit(options.timeout, deadline));
    if (!fileSocket.IsValid()) {
      if (Clock::now() >= deadline) {
        report.deadlinePassed = true;
        report.late.push_back(name);
      }
      continue;
    }
    const Fetched file = Fetch(fileSocket, entry.path, options, options.maxBytes, deadline);
    if (!file.sent) {
      failures.Add(UpdateText::Get(UpdateText::kRequestFailed), UpdateText::Get(UpdateText::kUpdateErrorTitle), name);
      report.failed.push_back(name);
      continue;
    }
    if (!file.body.Ok()) {
      if (file.body.status == ReceiveStatus::kDeadline || Clock::now() >= deadline) {
        report.deadlinePassed = true;
        report.late.push_back(name);
      } else {
        failures.Add(ReceiveFailureText(file.body.status), UpdateText::Get(UpdateText::kErrorTitle), name);
        report.failed.push_back(name);
      }
      continue;
    }
    report.downloaded.push_back(name);
    // The installed file stays as it was; the others still go in.
    const std::string& folder =
        BelongsInDataFolder(name) && !options.dataDir.empty() ? options.dataDir : options.targetDir;
    if (!InstallFile(folder, name, file.body.View())) {
      report.notWritten.push_back(name);
      continue;
    }
    report.installed.push_back(name);
  }

  if (!report.skipped.empty()) {
    environment.ShowError(WithNames(UpdateText::Get(UpdateText::kSkippedNames), report.skipped), UpdateText::Get(UpdateText::kUpdateErrorTitle));
  }
  failures.Show(environment);
  if (!report.notWritten.empty()) {
    environment.ShowError(WithNames(UpdateText::Get(UpdateText::kCannotCreateFile), report.notWritten), UpdateText::Get(UpdateText::kUpdateErrorTitle));
  }
  if (report.deadlinePassed) {
    environment.ShowError(WithNames(UpdateText::Get(UpdateText::kLateFiles), report.late), UpdateText::Get(UpdateText::kUpdateErrorTitle));
  }
  environment.SignalFilesWritten();
  report.outcome = UpdateOutcome::kRestarted;
  Restart(environment, report);
  return report;
}
