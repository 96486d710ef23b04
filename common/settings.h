#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

// The per-user settings of the product (organisation "Kryvel", application
// "Zamo"); the group "Def" holds defaults such as the pricing library folder.
std::unique_ptr<QSettings> OpenZamoSettings();

// The version recorded for a module's file name; false when none is.
bool ReadVersionValue(const QString& valueName, QString& version);

// Records a module's version under its file name. When the settings cannot
// be written the user is warned and the program carries on.
void WriteVersionValue(const QString& valueName, const QString& text);

// The folder named for the pricing library in the defaults group. False when
// that group does not exist at all; true with an empty folder when the group
// exists without the value.
bool ReadQuotixFolder(QString& folder);

// Writes the default pricing library folder into the defaults group.
void WriteQuotixFolderDefault();

// The file name of a plugin on this platform: "Quotix" -> "libQuotix.so".
QString ModuleFileName(const QString& baseName);

// Where an installed copy keeps its plugin libraries.
QString DefaultPluginFolder();

// ---- what the user chose (the settings dialog, the language menu) ----------

// The interface language: 0 the language file's first language, 1 its
// second. The program and every plugin read it once at start; a change
// shows after a restart. A value the file cannot have reads as 0.
inline constexpr int kLanguageCount = 2;
int InterfaceLanguage();
void SetInterfaceLanguage(int language);

// Camera files opened or saved lately, the newest first, at most
// kMaxRecentFiles; a path is listed once.
inline constexpr int kMaxRecentFiles = 8;
QStringList RecentFiles();
void AddRecentFile(const QString& path);
// The folder of the last file chosen in an open or save dialog; empty
// before the first.
QString LastFileFolder();
void SetLastFileFolder(const QString& folder);

// The factory's address for sent cameras; empty until the user sets it.
QString FactoryMailAddress();
void SetFactoryMailAddress(const QString& address);

// The update host and port (the updater reads the same values).
QString UpdateHost();
int UpdatePort();
void SetUpdateHost(const QString& host, int port);
inline constexpr int kDefaultUpdatePort = 80;
inline constexpr int kMaxUpdatePort = 65535;

// Whether a finished report opens in the spreadsheet program.
bool OpenReportsAutomatically();
void SetOpenReportsAutomatically(bool open);

// The wall thickness a new camera starts with: 80 or 100 mm.
int DefaultPanelThickness();
void SetDefaultPanelThickness(int thickness);
