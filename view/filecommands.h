#pragma once

#include <QString>

class CChildView;
class QWidget;

// Where the save dialog starts: beside the camera's file (or in the data
// folder), or in the camera archive "CamArch/" of the data folder.
enum class SaveTarget { kFile, kArchive };

// Saves the window's camera into the file it came from (or was last saved
// to) without a question; a camera without a file asks like SaveCameraAs.
// False when nothing was saved.
bool SaveCamera(CChildView& view);

// Asks for a camera file to open, starting in the folder of the last file
// chosen; empty for cancel.
QString ChooseCameraFile(QWidget* parent);

// Asks for a file name (camera files, "*.kry") and saves the window's
// camera there. False when the user cancelled or the file could not be
// written (the user was told).
bool SaveCameraAs(CChildView& view, SaveTarget target);

// A file name for the window's camera with `suffix` ("kry", "bmp"): the
// article (or the file's base name), with the characters no file name may
// hold replaced.
QString SuggestedFileName(const CChildView& view, const QString& suffix);

// The archive folder of the data folder, created when missing.
QString ArchiveFolder();
