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
  return memory ? UpdateText::kNoMemory : UpdateText::kReceiveFailed;
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
  message += UpdateText::kNamesFollow;
  const size_t listed = std::min(names.size(), kMaxListedNames);
  for (size_t i = 0; i < listed; ++i) {
    if (i > 0) message += ", ";
    message += ShownName(names[i]);
  }
  if (names.size() > listed) message += UpdateText::kMoreNames + std::to_string(names.size() - listed);
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

UpdateReport RunUpdate(const UpdateOptions& options, CUpdateEnvironment& environment) {
  UpdateReport report;
  const Clock::time_point deadline = Clock::now() + options.deadline;

  uint32_t address = 0;
  CSocket socket;
  for (const uint32_t candidate : ResolveIPv4(options.host)) {
    if (Clock::now() >= deadline) break;
    socket = ConnectTo(candidate, options.port, StepLimit(options.timeout, deadline));
    if (socket.IsValid()) {
      address = candidate;
      break;
    }
  }
  if (!socket.IsValid()) {
    environment.ShowError(UpdateText::kNoConnection, UpdateText::kUpdateErrorTitle);
    report.outcome = UpdateOutcome::kNoConnection;
    return report;
  }
  environment.SignalConnected();

  std::vector<IndexEntry> entries;
  {
    const Fetched index = Fetch(socket, kIndexPath, options, std::min(options.maxBytes, kMaxIndexBytes), deadline);
    if (!index.sent) {
      environment.ShowError(UpdateText::kRequestFailed, UpdateText::kUpdateErrorTitle);
      report.outcome = UpdateOutcome::kIndexNotRequested;
      return report;
    }
    switch (index.body.status) {
      case ReceiveStatus::kOk:
        break;
      case ReceiveStatus::kTooLarge:
        environment.ShowError(UpdateText::kIndexTooLarge, UpdateText::kUpdateErrorTitle);
        report.outcome = UpdateOutcome::kIndexTooLarge;
        return report;
      case ReceiveStatus::kDeadline:
        environment.ShowError(UpdateText::kDeadlinePassed, UpdateText::kUpdateErrorTitle);
        report.deadlinePassed = true;
        report.outcome = UpdateOutcome::kIndexNotReceived;
        return report;
      default:
        environment.ShowError(ReceiveFailureText(index.body.status), UpdateText::kErrorTitle);
        report.outcome = UpdateOutcome::kIndexNotReceived;
        return report;
    }
    // One entry more than accepted tells an index that goes on.
    entries = ParseIndex(index.body.View(), kMaxIndexEntries + 1);
    if (entries.size() > kMaxIndexEntries) {
      environment.ShowError(UpdateText::kIndexTooLarge, UpdateText::kUpdateErrorTitle);
      report.outcome = UpdateOutcome::kIndexTooLarge;
      return report;
    }
  }

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
      failures.Add(UpdateText::kRequestFailed, UpdateText::kUpdateErrorTitle, name);
      report.failed.push_back(name);
      continue;
    }
    if (!file.body.Ok()) {
      if (file.body.status == ReceiveStatus::kDeadline || Clock::now() >= deadline) {
        report.deadlinePassed = true;
        report.late.push_back(name);
      } else {
        failures.Add(ReceiveFailureText(file.body.status), UpdateText::kErrorTitle, name);
        report.failed.push_back(name);
      }
      continue;
    }
    report.downloaded.push_back(name);
    // The installed file stays as it was; the others still go in.
    if (!InstallFile(options.targetDir, name, file.body.View())) {
      report.notWritten.push_back(name);
      continue;
    }
    report.installed.push_back(name);
  }

  if (!report.skipped.empty()) {
    environment.ShowError(WithNames(UpdateText::kSkippedNames, report.skipped), UpdateText::kUpdateErrorTitle);
  }
  failures.Show(environment);
  if (!report.notWritten.empty()) {
    environment.ShowError(WithNames(UpdateText::kCannotCreateFile, report.notWritten), UpdateText::kUpdateErrorTitle);
  }
  if (report.deadlinePassed) {
    environment.ShowError(WithNames(UpdateText::kLateFiles, report.late), UpdateText::kUpdateErrorTitle);
  }
  environment.SignalFilesWritten();
  if (!environment.StartProgram()) {
    environment.ShowError(UpdateText::kCannotStartProgram, UpdateText::kUpdateErrorTitle);
    report.outcome = UpdateOutcome::kProgramNotStarted;
    return report;
  }
  report.outcome = UpdateOutcome::kRestarted;
  return report;
}
