#pragma once

// Command numbers of the menus, context menus, toolbar and accelerators.
// Every QAction carries its number as data; one dispatch turns a number into
// its handler, so a menu item, a toolbar button, a shortcut and a test all
// reach the same code. The numbers are those of the camera files' era and
// never change meaning.
namespace Cmd {

// File and program.
inline constexpr int kNewCamera = 57600;
inline constexpr int kCloseCamera = 57602;
inline constexpr int kSaveCamera = 57603;
inline constexpr int kLoadCamera = 32797;
inline constexpr int kExportCamera = 32826;
inline constexpr int kPrintCamera = 32800;
// The printed page shown before printing, and printed to a PDF file.
inline constexpr int kPrintPreview = 32940;
inline constexpr int kExportPdf = 32941;
inline constexpr int kExit = 57665;
inline constexpr int kAbout = 57664;
inline constexpr int kUpdateProgram = 32821;
inline constexpr int kMakePriceList = 32815;  // in the main menu; nothing handles it
inline constexpr int kSaveCameraAs = 32901;
inline constexpr int kSettings = 32902;
// The interface languages: the first, and the one after it.
inline constexpr int kLanguageFirst = 32903;
inline constexpr int kLanguageSecond = 32904;

// Undo and redo. Redo takes the framework's own number for it.
inline constexpr int kUndo = 32787;
inline constexpr int kRedo = 57644;

// View.
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kFitToWindow = 32830;
inline constexpr int k3dView = 32960;  // the camera in 3-D
// The chains between the inner faces instead of the outer ones.
inline constexpr int kInsideDimensions = 32950;

// Window arrangement.
inline constexpr int kArrangeIcons = 57649;
inline constexpr int kCascade = 57650;
inline constexpr int kTile = 57651;

// Camera archive and sending.
inline constexpr int kAddToArchive = 32806;
inline constexpr int kLoadFromArchive = 32807;
inline constexpr int kSendCamera = 32810;

// Prices.
inline constexpr int kPriceSettings = 32799;
inline constexpr int kMaterials = 32801;
inline constexpr int kPriceList80 = 32818;
inline constexpr int kPriceList100 = 32820;
inline constexpr int kCameraPrice = 32791;

// Editing modes.
inline constexpr int kPartitionMode = 32773;
inline constexpr int kCornerMode = 32775;
inline constexpr int kMoveWallMode = 32776;

// Walls, partitions and the floor.
inline constexpr int kFillAllObjects = 32771;
inline constexpr int kSplitCollection = 32772;
inline constexpr int kManualDivision = 32777;
inline constexpr int kDeletePartition = 32788;
inline constexpr int kSplitPartition = 32789;
inline constexpr int kManualDivisionPartition = 32790;
inline constexpr int kFixNonStandardPanel = 32792;
inline constexpr int kSplitFloor = 32798;
inline constexpr int kContinueAsPartition = 32812;
inline constexpr int kRemoveDivision = 32813;
inline constexpr int kDeleteDivision = 32814;
// Typed lengths: a wall's as its chain shows it, the camera's overall ones.
inline constexpr int kSetWallLength = 32951;
inline constexpr int kSetCameraLength = 32952;
inline constexpr int kSetCameraWidth = 32953;

// Doors and openings.
inline constexpr int kSetOpening = 32782;
inline constexpr int kSetContainerDoorLeft = 32783;
inline constexpr int kSetContainerDoorRight = 32784;
inline constexpr int kSetSlidingDoorLeft = 32785;
inline constexpr int kSetSlidingDoorRight = 32786;
inline constexpr int kSetSwingDoor2040 = 32802;
inline constexpr int kSetSwingDoor2300 = 32803;
inline constexpr int kSetSwingDoor2560 = 32804;
inline constexpr int kDeleteDoor = 32809;
// Deletes the selected door, opening or partition.
inline constexpr int kDeleteSelection = 32905;

}  // namespace Cmd

// Menu numbers: the main window's two menus and the camera window's context
// menus. A built menu carries its number as its object name.
namespace MenuId {
inline constexpr int kMain = 128;    // while no camera window is active
inline constexpr int kCamera = 129;  // while a camera window is active
inline constexpr int kFloor = 130;             // empty space: fill all objects
inline constexpr int kUndividedWall = 131;     // a wall not fully divided
inline constexpr int kPanel = 135;             // doors on an ordinary panel
inline constexpr int kPartition = 137;         // a partition without a panel under the pointer
inline constexpr int kNonStandardPanel = 140;  // a panel whose width is no multiple of 300
inline constexpr int kFloorStrip = 143;        // a floor/ceiling strip
inline constexpr int kDoorPanel = 173;         // a door or opening
inline constexpr int kDimension = 200;         // a wall's number in a dimension chain
}  // namespace MenuId
