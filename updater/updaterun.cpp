#include "updaterun.h"

#include "connection.h"
#include "installfile.h"
#include "receiver.h"
#include "responseheader.h"
#include "updateindex.h"
#include "updatetexts.h"

namespace {

// Longest part of a refused name quoted in the closing message.
constexpr size_t kShownNameBytes = 80;

struct Fetched {
  bool sent = false;
  ReceivedBody body;
};

// Requests `path` on a connected socket while a receiving thread listens for
// the answer, then closes the socket. When the request cannot be sent the
// receiving side is woken at once instead of waiting for an answer that will
// not come.
Fetched Fetch(CSocket& socket, const std::string& path, const UpdateOptions& options) {
  Fetched fetched;
  {
    CReceiver receiver(socket.Fd(), options.timeout, options.maxBytes);
    receiver.Start();
    fetched.sent = SendAll(socket.Fd(), BuildRequest(path, options.host, options.port));
    if (!fetched.sent) receiver.Abort();
    fetched.body = receiver.Wait();
  }
  socket.Close();
  return fetched;
}

void ShowReceiveFailure(const ReceivedBody& body, CUpdateEnvironment& environment) {
  const bool memory = body.status == ReceiveStatus::kTooLarge || body.status == ReceiveStatus::kNoMemory;
  environment.ShowError(memory ? UpdateText::kNoMemory : UpdateText::kReceiveFailed, UpdateText::kErrorTitle);
}

// A refused name as the user sees it: quoted, shortened, without control
// characters.
std::string ShownName(const std::string& name) {
  std::string shown = "\"";
  for (size_t i = 0; i < name.size() && i < kShownNameBytes; ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    shown += c < 0x20 || c == 0x7F ? '?' : name[i];
  }
  if (name.size() > kShownNameBytes) shown += "...";
  return shown + "\"";
}

std::string SkippedMessage(const std::vector<std::string>& names) {
  std::string text = UpdateText::kSkippedNames;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += ", ";
    text += ShownName(names[i]);
  }
  return text;
}

}  // namespace

UpdateReport RunUpdate(const UpdateOptions& options, CUpdateEnvironment& environment) {
  UpdateReport report;

  uint32_t address = 0;
  CSocket socket;
  for (const uint32_t candidate : ResolveIPv4(options.host)) {
    socket = ConnectTo(candidate, options.port, options.timeout);
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
    const Fetched index = Fetch(socket, kIndexPath, options);
    if (!index.sent) {
      environment.ShowError(UpdateText::kRequestFailed, UpdateText::kUpdateErrorTitle);
      report.outcome = UpdateOutcome::kIndexNotRequested;
      return report;
    }
    if (!index.body.Ok()) {
      ShowReceiveFailure(index.body, environment);
      report.outcome = UpdateOutcome::kIndexNotReceived;
      return report;
    }
    entries = ParseIndex(index.body.View());
  }

  for (const IndexEntry& entry : entries) {
    const std::string name = CleanEntryName(entry.name);
    if (!IsPlainFileName(name)) {
      report.skipped.push_back(name);
      continue;
    }
    std::string installed;
    if (environment.InstalledVersion(name, installed) && CompareVersions(installed, entry.version) >= 0) continue;

    // A file whose connection fails is left for the next update.
    CSocket fileSocket = ConnectTo(address, options.port, options.timeout);
    if (!fileSocket.IsValid()) continue;
    const Fetched file = Fetch(fileSocket, entry.path, options);
    if (!file.sent || !file.body.Ok()) {
      if (!file.sent) {
        environment.ShowError(UpdateText::kRequestFailed, UpdateText::kUpdateErrorTitle);
      } else {
        ShowReceiveFailure(file.body, environment);
      }
      report.failed.push_back(name);
      continue;
    }
    report.downloaded.push_back(name);
    if (!InstallFile(options.targetDir, name, file.body.View())) {
      environment.ShowError(UpdateText::kCannotCreateFile, UpdateText::kUpdateErrorTitle);
      report.outcome = UpdateOutcome::kFileNotWritten;
      return report;
    }
    report.installed.push_back(name);
  }

  if (!report.skipped.empty()) environment.ShowError(SkippedMessage(report.skipped), UpdateText::kUpdateErrorTitle);
  environment.SignalFilesWritten();
  if (!environment.StartProgram()) {
    environment.ShowError(UpdateText::kCannotStartProgram, UpdateText::kUpdateErrorTitle);
    report.outcome = UpdateOutcome::kProgramNotStarted;
    return report;
  }
  report.outcome = UpdateOutcome::kRestarted;
  return report;
}
