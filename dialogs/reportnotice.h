#pragma once

#include <QString>

class QWidget;

// After a report is written: the main window's status bar says where it
// went, and it is opened in the desktop's spreadsheet program unless the
// user turned that off. When it cannot be opened (ZAMO_NO_OPEN=1, or no
// program takes it) a message names the file and offers to open its folder.
// An empty path (nothing written) does nothing.
void AnnounceReport(const QString& path, QWidget* parent);
