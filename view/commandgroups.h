#pragma once

class CCommandTable;

// One registration function per group of camera window commands, each in
// the file of its group. ViewCommands() calls them all, in this order; a
// later group may replace an earlier group's handler for the same number.

// filecommands.cpp: save 57603, add to archive 32806, load 32797, undo
// 32787, redo.
void RegisterFileCommands(CCommandTable& table);
// printcommands.cpp: print 32800, export 32826.
void RegisterPrintCommands(CCommandTable& table);
// modecommands.cpp: corner mode 32775, move wall mode 32776, fit to window.
void RegisterModeCommands(CCommandTable& table);

// doorcommands.cpp: doors and openings, 32782 to 32786, 32802 to 32804,
// 32809.
void RegisterDoorCommands(CCommandTable& table);
// partitioncommands.cpp: partition mode 32773, 32788, 32789, 32790, 32812.
void RegisterPartitionCommands(CCommandTable& table);
// wallfloorcommands.cpp: walls and floor, 32771, 32772, 32777, 32792,
// 32798, 32813, 32814.
void RegisterWallFloorCommands(CCommandTable& table);
// Prices: 32791, 32799, 32801, 32818, 32820.
void RegisterPriceCommands(CCommandTable& table);
// Camera archive: load from archive 32807.
void RegisterArchiveCommands(CCommandTable& table);
// Sending a camera: 32810.
void RegisterSendCommands(CCommandTable& table);

