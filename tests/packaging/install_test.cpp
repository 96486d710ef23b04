// The installed program: `make install` puts every part where the programs
// and the desktop look for it, and the programs run from any prefix on a
// home folder that has never seen them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <memory>

#include "testsupport.h"

namespace {

constexpr int kRunLimitMs = 120000;

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

class InstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    scratch_ = new CScratchDir;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(ZAMO_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(ZAMO_BINARY_DIR), QStringLiteral("--prefix"), Prefix()});
    installed_ = install.waitForFinished(kRunLimitMs) && install.exitStatus() == QProcess::NormalExit &&
                 install.exitCode() == 0;
    installLog_ = new QString(QString::fromLocal8Bit(install.readAll()));
  }
  static void TearDownTestSuite() {
    delete scratch_;
    delete installLog_;
  }
  void SetUp() override { ASSERT_TRUE(installed_) << installLog_->toStdString(); }

  static QString Prefix() { return scratch_->QPath() + QStringLiteral("/prefix"); }
  static QString Installed(const char* folder, const QString& name) {
    return Prefix() + QLatin1Char('/') + QString::fromUtf8(folder) + QLatin1Char('/') + name;
  }
  static QString Bin(const QString& name) { return Installed(ZAMO_INSTALL_BINDIR, name); }
  static QString Share(const QString& name) { return Installed(ZAMO_INSTALL_DATADIR, name); }

  // An installed program run with nothing of the build around it: a home
  // folder of this test, no settings, no library path, no screen.
  ProgramRun Start(const QString& program, const QStringList& arguments, const QString& workingDir = QString()) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LD_LIBRARY_PATH", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "ZAMO_MESSAGE_LOG"})
      environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), home_.QPath());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ZAMO_NO_OPEN"), QStringLiteral("1"));
    environment.insert(QStringLiteral("ZAMO_MESSAGE_LOG"), messageLog_);
    // The program reports its start screen's first paint and ends there.
    environment.insert(QStringLiteral("ZAMO_STARTUP_PROBE"), QStringLiteral("1"));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(kRunLimitMs)) {
      process.kill();
      process.waitForFinished();
      ADD_FAILURE() << program.toStdString() << " did not end";
      return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
  }
  QString UserData(const QString& name) const { return home_.QPath() + QStringLiteral("/.local/share/Kryvel/Zamo/") + name; }

  static inline CScratchDir* scratch_ = nullptr;
  static inline bool installed_ = false;
  static inline QString* installLog_ = nullptr;
  CScratchDir home_;
  const QString messageLog_ = home_.QPath() + QStringLiteral("/messages.txt");
};

// The name after "key=" on a line of the desktop entry, or a null string.
QString DesktopValue(const QString& entry, const QString& key) {
  for (const QString& line : entry.split(QLatin1Char('\n')))
    if (line.startsWith(key + QLatin1Char('='))) return line.mid(key.size() + 1);
  return QString();
}

TEST_F(InstallTest, EveryPartLandsWhereTheProgramsAndTheDesktopLook) {
  for (const char* program : {"zamo", "zamo-cli", "zamo_updater"})
    EXPECT_TRUE(QFileInfo(Bin(QString::fromLatin1(program))).isExecutable()) << program;
  for (const char* library : {"libQuotix.so", "libMaterial.so", "libTallyx.so", "libmailer.so"})
    EXPECT_TRUE(QFileInfo::exists(Installed(ZAMO_INSTALL_LIBDIR, QStringLiteral("zamo/") + QString::fromLatin1(library))))
        << library;
  // Everything shipped in data/, sub-folders included.
  for (const char* shipped : {"zamo.language", "PriceCntr.data", "MaterialArch.data", "kryvel_logo.jpg",
                              "CamArch/kh-3020.kry", "startscreen/background.png"})
    EXPECT_EQ(ReadFileBytes(Share(QStringLiteral("zamo/") + QString::fromLatin1(shipped)).toStdString()),
              ReadFileBytes(SourceDataDir() + "/" + shipped))
        << shipped;

  // The desktop entry starts the program with the files it was given and
  // names the camera file's type that the MIME package declares.
  const QString entry = QString::fromStdString(ReadFileBytes(Share(QStringLiteral("applications/zamo.desktop")).toStdString()));
  EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
  EXPECT_EQ(DesktopValue(entry, QStringLiteral("Exec")), QStringLiteral("zamo %F"));
  EXPECT_EQ(DesktopValue(entry, QStringLiteral("Icon")), QStringLiteral("zamo"));
  EXPECT_EQ(DesktopValue(entry, QStringLiteral("MimeType")), QStringLiteral("application/x-zamo-camera;"));
  if (const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")); !validate.isEmpty()) {
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(validate, {Share(QStringLiteral("applications/zamo.desktop"))});
    ASSERT_TRUE(check.waitForFinished(kRunLimitMs));
    EXPECT_EQ(check.exitCode(), 0);
    EXPECT_TRUE(check.readAll().trimmed().isEmpty());
  }

  QFile mime(Share(QStringLiteral("mime/packages/zamo.xml")));
  ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&mime);
  QStringList types, globs;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QStringLiteral("mime-type")) types << xml.attributes().value(QStringLiteral("type")).toString();
    if (xml.name() == QStringLiteral("glob")) globs << xml.attributes().value(QStringLiteral("pattern")).toString();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(types, QStringList{QStringLiteral("application/x-zamo-camera")});
  EXPECT_EQ(globs, QStringList{QStringLiteral("*.kry")});
  // Where the desktop's MIME tools are present, the install refreshed the
  // prefix's database with the type.
  if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
    EXPECT_TRUE(QString::fromStdString(ReadFileBytes(Share(QStringLiteral("mime/globs2")).toStdString()))
                    .contains(QStringLiteral("application/x-zamo-camera:*.kry")));
  }

  EXPECT_TRUE(QFileInfo::exists(Share(QStringLiteral("icons/hicolor/scalable/apps/zamo.svg"))));
  for (int side : {48, 128, 256}) {
    const QImage icon(Share(QStringLiteral("icons/hicolor/%1x%1/apps/zamo.png").arg(side)));
    EXPECT_EQ(icon.size(), QSize(side, side)) << side;
  }
}

TEST_F(InstallTest, TheInstalledProgramFindsItsLibrariesAndDataOnAFreshHome) {
  // A file only the installed data folder has: the per-user folder must be
  // seeded from the installation, not from the source tree.
  const QString marker = QStringLiteral("installed-only.txt");
  WriteFileBytes(Share(QStringLiteral("zamo/") + marker).toStdString(), "from the prefix");
  const ProgramRun run = Start(Bin(QStringLiteral("zamo")), {}, home_.QPath());
  QFile::remove(Share(QStringLiteral("zamo/") + marker));
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains(QStringLiteral("start screen shown"))) << run.out.toStdString();
  EXPECT_FALSE(QFile::exists(messageLog_)) << ReadFileBytes(messageLog_.toStdString());
  EXPECT_EQ(ReadFileBytes(UserData(marker).toStdString()), "from the prefix");
  EXPECT_EQ(ReadFileBytes(UserData(QStringLiteral("CamArch/kh-2020.kry")).toStdString()),
            ReadFileBytes(SourceDataDir() + "/CamArch/kh-2020.kry"));
  const QSettings settings(home_.QPath() + QStringLiteral("/.config/Kryvel/Zamo.conf"), QSettings::IniFormat);
  EXPECT_EQ(settings.value(QStringLiteral("zamo")).toString(), QStringLiteral("1.0.0.5"));
}

TEST_F(InstallTest, TheInstalledCommandLineToolPricesWithTheInstalledLibraries) {
  ASSERT_TRUE(QDir().mkpath(home_.QPath() + QStringLiteral("/data")));
  for (const char* file : {"zamo.language", "PriceCntr.data", "MaterialArch.data", "kryvel_logo.jpg"})
    ASSERT_TRUE(QFile::copy(Share(QStringLiteral("zamo/") + QString::fromLatin1(file)),
                            home_.QPath() + QStringLiteral("/data/") + QString::fromLatin1(file)));
  const QString data = QStringLiteral("--data-dir=") + home_.QPath() + QStringLiteral("/data");
  const ProgramRun report = Start(Bin(QStringLiteral("zamo-cli")),
                           {QStringLiteral("report"), Share(QStringLiteral("zamo/CamArch/kh-3020.kry")), QStringLiteral("-o"),
                            home_.QPath() + QStringLiteral("/report.xlsx"), data});
  EXPECT_EQ(report.exitCode, 0) << report.err.toStdString();
  EXPECT_EQ(ReadFileBytes(home_.File("report.xlsx")).substr(0, 2), "PK");

  // The components report needs the materials library too.
  const ProgramRun components = Start(Bin(QStringLiteral("zamo-cli")),
                               {QStringLiteral("components"), QStringLiteral("--group"), QStringLiteral("wall,1200,2040,80,2"),
                                QStringLiteral("-o"), home_.QPath() + QStringLiteral("/components.xlsx"), data});
  EXPECT_EQ(components.exitCode, 0) << components.err.toStdString();
  EXPECT_EQ(ReadFileBytes(home_.File("components.xlsx")).substr(0, 2), "PK");
}

}  // namespace
