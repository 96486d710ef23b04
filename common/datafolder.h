#pragma once

#include <QString>

// The data folder holds the files the program reads and writes by plain name
// (language file, price table, material profiles, user data, the camera
// archive, reports). The program works with it as its current folder.

// Makes `folder` the current folder, creating it when missing. False (with a
// reason) when that is impossible.
bool UseDataFolder(const QString& folder, QString* error = nullptr);

// The per-user data folder that `make run` and installed copies use.
QString UserDataFolder();

// The folder of the shipped data files (language file, sample prices, logo,
// pictures, sample cameras): the installed copy, or the source tree's data/.
QString ShippedDataFolder();

// Copies every shipped file that `folder` does not have yet (never
// overwrites the user's own files).
void SeedDataFolder(const QString& folder, const QString& shipped);

// Finds a program to start by its base name ("zamo_updater", "heatrix"):
// beside the running program, in the data folder, then on PATH. Empty when
// not found.
QString FindProgram(const QString& name);
