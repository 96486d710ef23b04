#pragma once

#include <QString>

#include <memory>

class QSettings;

// The per-user settings of the product (organisation "Kryvel", application
// "Zamo"); the group "Def" holds defaults such as the pricing library folder.
std::unique_ptr<QSettings> OpenZamoSettings();

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
