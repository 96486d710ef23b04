#pragma once

class CCommandTable;

// One registration function per group of camera window commands, each in
// the file of its group. ViewCommands() calls them all, in this order; a
// later group may replace an earlier group's handler for the same number.

// filecommands.cpp: Cmd::kSaveCamera, kSaveCameraAs, kAddToArchive,
// kLoadCamera, kUndo, kRedo, kDeleteSelection.
void RegisterFileCommands(CCommandTable& table);
// printcommands.cpp: Cmd::kPrintCamera, kExportCamera.
void RegisterPrintCommands(CCommandTable& table);
// modecommands.cpp: Cmd::kCornerMode, kMoveWallMode, kFitToWindow,
// kInsideDimensions, kSetWallLength, kSetCameraLength, kSetCameraWidth.
void RegisterModeCommands(CCommandTable& table);

// doorcommands.cpp: doors and openings, Cmd::kSetOpening, the kSet...Door...
// commands, kDeleteDoor.
void RegisterDoorCommands(CCommandTable& table);
// partitioncommands.cpp: Cmd::kPartitionMode, kDeletePartition,
// kSplitPartition, kManualDivisionPartition, kContinueAsPartition.
void RegisterPartitionCommands(CCommandTable& table);
// wallfloorcommands.cpp: walls and floor, Cmd::kFillAllObjects,
// kSplitCollection, kManualDivision, kFixNonStandardPanel, kSplitFloor,
// kRemoveDivision, kDeleteDivision.
void RegisterWallFloorCommands(CCommandTable& table);
// Prices: Cmd::kCameraPrice, kPriceSettings, kMaterials, kPriceList80,
// kPriceList100.
void RegisterPriceCommands(CCommandTable& table);
// Camera archive: Cmd::kLoadFromArchive.
void RegisterArchiveCommands(CCommandTable& table);
// Sending a camera: Cmd::kSendCamera.
void RegisterSendCommands(CCommandTable& table);
// view3dwidget.cpp: Cmd::k3dView.
void RegisterView3dCommands(CCommandTable& table);

