#pragma once

#include <QString>

class QWidget;

// The camera archive as the program shows it: CArchiveDlg over `parent`
// through the dialog host, its send button opening the send-camera dialog
// (again through the host) for the chosen row's camera. Returns the chosen
// camera file, or empty when the user closed the archive without one.
QString ChooseArchiveCamera(QWidget* parent);
