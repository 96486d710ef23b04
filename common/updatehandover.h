#pragma once

// The program's side of an update: it hands over to "zamo_updater", which
// replaces the program's files and starts the program again.

// Events the updater sets while it works: connected to the update host, and
// all files written. Nobody waits on them; they tell an observer how far the
// update came.
inline constexpr const char* kUpdateConnectedEvent = "ZamoUpdateEvent";
inline constexpr const char* kUpdateDoneEvent = "ZamoUpdateEvent2";

enum class UpdaterStart {
  kNotAttempted,  // the events could not be made; the program keeps running
  kStarted,       // the updater runs; the program must quit now
  kFailed,        // the updater could not be started (the user was told); quit all the same
};

// Creates both events (unset; an existing pair is opened and cleared) and
// starts "zamo_updater" (looked up like every program the system starts).
// When the updater cannot be started the user sees Lang::kUpdaterCannotStart
// with caption Lang::kErrorCaption. The caller asks about unsaved cameras
// first and ends the program on kStarted and kFailed.
UpdaterStart StartUpdater();
