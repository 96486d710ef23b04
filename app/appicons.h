#pragma once

#include <QIcon>

// The program's pictures, drawn here so that they need no files: the
// window icon and the toolbar buttons.
QIcon ProgramIcon();
// The toolbar picture of `command`; a null icon for a command without one.
QIcon ToolbarIcon(int command);
