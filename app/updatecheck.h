#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

#include "updaterun.h"

class QWidget;

// The update command's first half: before anything is saved, closed or
// handed to the updater, the program fetches the update host's index itself
// (with the updater's time and size limits) and compares it with the
// installed versions.
struct UpdateCheck {
  IndexStatus status = IndexStatus::kNoConnection;
  // What is newer on the host: "name (installed → offered)" lines.
  QStringList newer;
};

// Fetches and compares; the window stays responsive to painting meanwhile.
UpdateCheck CheckForUpdates(const QString& host, int port,
                            std::chrono::milliseconds timeout = std::chrono::seconds(30));

// The whole question: an installation the user cannot write is told so
// before anything is fetched; then "the latest version is installed", a
// failure to reach the host, or the list of newer files with the question
// whether to update now. True when the user said yes.
bool ConfirmUpdate(QWidget* parent, const QString& programFolder);
