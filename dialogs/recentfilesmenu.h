#pragma once

#include <QString>

#include <functional>

class QMenu;

// Appends the recent camera files (settings.h: RecentFiles) to `menu` as
// numbered items, the file name shown and the whole path as the tip;
// choosing one calls `open` with its path. Returns how many were added.
// The File menu and the start screen list them alike.
int AddRecentFileItems(QMenu& menu, const std::function<void(const QString&)>& open);
