// The application object of zamo-cli: a GUI application for the commands
// that draw (fonts need one), run headless; a core application for the rest,
// which need no display and print nothing of it.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <memory>
#include <string_view>

namespace {

// The commands that draw: render, and report, whose detailed estimate shows
// the camera in 3-D.
constexpr std::string_view kDrawingCommands[] = {"render", "report"};
// A headless run outside a desktop session has no runtime folder; the GUI
// application says so on every start, which is no news to a command line.
constexpr std::string_view kNoRuntimeFolder = "QStandardPaths: XDG_RUNTIME_DIR not set";

QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String(kNoRuntimeFolder.data(),
                                                               static_cast<qsizetype>(kNoRuntimeFolder.size()))))
    return;
  if (previousHandler)
    previousHandler(type, context, message);
  else
    std::fputs((qFormatLogMessage(type, context, message) + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

// The command word: the first argument that is not the data folder option.
std::string_view CommandWord(int argc, char** argv) {
  const std::string_view dataDir = "--data-dir";
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == dataDir) {
      ++i;
      continue;
    }
    if (arg.substr(0, dataDir.size() + 1) == "--data-dir=") continue;
    return arg;
  }
  return {};
}

}  // namespace

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv) {
  const std::string_view command = CommandWord(argc, argv);
  for (std::string_view drawing : kDrawingCommands) {
    if (command != drawing) continue;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QuietHandler);
    return std::make_unique<QGuiApplication>(argc, argv);
  }
  return std::make_unique<QCoreApplication>(argc, argv);
}
