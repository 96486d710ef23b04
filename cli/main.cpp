// zamo-cli: the headless face of the program. It loads, replays, edits and
// saves cameras through the same libraries as the camera window.
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "clicommand.h"
#include "datafolder.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: zamo-cli [--data-dir DIR] COMMAND ARGUMENTS\n";
  for (const CliCommand& command : CliCommands()) out << "  zamo-cli " << command.name << ' ' << command.usage << '\n';
}

}  // namespace

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv);

int main(int argc, char** argv) {
  const std::unique_ptr<QCoreApplication> app = MakeCliApplication(argc, argv);
  std::vector<std::string> args;
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(arguments[i].toStdString());

  // The one global option may stand anywhere.
  std::string dataDir;
  bool hasDataDir = false;
  const std::string kDataDir = "--data-dir";
  for (size_t i = 0; i < args.size();) {
    if (args[i] == kDataDir || args[i].rfind(kDataDir + "=", 0) == 0) {
      if (hasDataDir) {
        std::cerr << "zamo-cli: --data-dir given twice\n";
        return kExitBadInput;
      }
      hasDataDir = true;
      if (args[i] == kDataDir) {
        if (i + 1 >= args.size()) {
          std::cerr << "zamo-cli: --data-dir needs a folder\n";
          return kExitBadInput;
        }
        dataDir = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      } else {
        dataDir = args[i].substr(kDataDir.size() + 1);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
      }
      continue;
    }
    ++i;
  }

  if (args.empty()) {
    std::cerr << "zamo-cli: no command given (zamo-cli --help lists them)\n";
    return kExitBadInput;
  }
  if (args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
    PrintUsage(std::cout);
    return kExitOk;
  }
  const CliCommand* command = nullptr;
  for (const CliCommand& c : CliCommands())
    if (c.name == args.front()) command = &c;
  if (!command) {
    std::cerr << "zamo-cli: unknown command " << args.front() << " (zamo-cli --help lists them)\n";
    return kExitBadInput;
  }

  // Paths on the command line mean what they meant where the tool was
  // started, before the data folder becomes the current folder.
  const std::string startFolder = QDir::currentPath().toStdString();
  if (hasDataDir) {
    const QString folder = QDir(QString::fromStdString(startFolder)).absoluteFilePath(QString::fromStdString(dataDir));
    QString error;
    if (!UseDataFolder(folder, &error)) {
      std::cerr << dataDir << ": " << error.toStdString() << '\n';
      return kExitBadInput;
    }
  }

  CliContext context{std::string(command->name), {args.begin() + 1, args.end()}, startFolder, std::cout, std::cerr};
  if (!CheckCliDataFiles(context)) return kExitBadInput;
  const int code = command->run(context);
  std::cout.flush();
  return code;
}
