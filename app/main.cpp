// zamo [--data-dir DIR] [FILE.kry ...]
// Without --data-dir the program works in the per-user data folder, which
// gets the shipped sample files it does not have yet; a --data-dir folder
// that is new or empty gets them too. Camera files named on the command
// line open in camera windows without the start screen.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

#include "datafolder.h"
#include "languageentries.h"
#include "languagetable.h"
#include "messages.h"
#include "settings.h"
#include "zamoapp.h"

namespace {

constexpr int kExitBadArguments = 2;

void Usage() { std::fputs("usage: zamo [--data-dir DIR] [FILE.kry ...]\n", stderr); }

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The program ends when its main window closes, not when the start
  // screen (the first window) does.
  QApplication::setQuitOnLastWindowClosed(false);
  // The program speaks the language chosen in its settings (the language
  // file's first, Russian, or its second, English); Qt's own buttons and
  // file and print dialogs follow. Qt itself speaks English.
  const int language = InterfaceLanguage();
  QTranslator qtTexts;
  if (language == 0 && qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  QString dataDir;
  CZamoApp::Options options;
  options.startupProbe = qEnvironmentVariableIsSet("ZAMO_STARTUP_PROBE");
  const QStringList args = QApplication::arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--data-dir")) {
      if (i + 1 >= args.size()) {
        Usage();
        return kExitBadArguments;
      }
      dataDir = args[++i];
    } else if (args[i].startsWith(QStringLiteral("--"))) {
      Usage();
      return kExitBadArguments;
    } else {
      // Named from where the program was started, before the data folder
      // becomes the current one.
      options.files << QFileInfo(args[i]).absoluteFilePath();
    }
  }

  QString problem;
  // The per-user folder gets whatever shipped file it lacks at every start;
  // a chosen folder only when it is new or empty, so that a folder made
  // for a purpose keeps exactly what was put there.
  bool seed = dataDir.isEmpty();
  if (seed) {
    dataDir = UserDataFolder();
  } else {
    const QDir chosen(dataDir);
    seed = !chosen.exists() || chosen.isEmpty();
  }
  if (seed) {
    QDir().mkpath(dataDir);
    SeedDataFolder(dataDir, ShippedDataFolder());
  }
  if (!UseDataFolder(dataDir, &problem)) {
    std::fprintf(stderr, "zamo: %s\n", problem.toUtf8().constData());
    return kExitBadArguments;
  }
  // Without a language file the program runs without its language texts,
  // as it always did (the texts added since fall back to the built-in
  // ones); one that is there but cannot be read is told, in the built-in
  // texts.
  FileError languageError;
  const QFileInfo languageFile(QString::fromUtf8(CLanguageTable::kFileName));
  if (!ModuleLanguage().Load(language, &languageError) && languageError && languageFile.exists()) {
    ShowMessageText(UiText(Lang::kLanguageFileUnreadable)
                        .arg(languageFile.absoluteFilePath(), QString::fromStdString(languageError.problem)),
                    UiText(Lang::kErrorCaption));
  }

  CZamoApp zamo(options);
  if (!zamo.InitInstance()) return zamo.ExitCode();
  return QApplication::exec();
}
