#pragma once

// Numbers of the interface texts in zamo.language. Entries are 1-based and
// numbered by their position in the file, so a number here never changes
// meaning; GetString(0) is the empty text. Several numbers serve more than one
// place (a menu title that is also a report text, a menu text that is also a
// dialog caption); such numbers carry one name per common use, with the same
// value.
namespace Lang {

// Messages. Message boxes take a text entry and a caption entry.
inline constexpr int kPricingModuleMissing = 1;  // text and caption at start-up
inline constexpr int kErrorCaption = 2;
inline constexpr int kCameraFileCannotOpen = 4;  // load and save
inline constexpr int kLoadCameraFailedCaption = 5;
inline constexpr int kUpdaterCannotStart = 6;
inline constexpr int kPricingExportMissing = 43;
inline constexpr int kPriceCalculationCaption = 44;
inline constexpr int kMaterialsModuleMissing = 45;
inline constexpr int kNoMaterialProfiles = 46;
inline constexpr int kCameraNotFullyDivided = 47;
inline constexpr int kCameraFileWriteFailed = 48;
inline constexpr int kCameraFileWriteFailedCaption = 49;
inline constexpr int kDoorOnEndPanel = 51;
inline constexpr int kMaterialsModuleLoadFailed = 52;
inline constexpr int kMaterialsDialogMissing = 53;
inline constexpr int kPanelNotInOwner = 54;
inline constexpr int kCameraTooLowForDoor = 55;
inline constexpr int kCameraTooLowCaption = 56;
inline constexpr int kRemoveDivisionForCorner = 57;  // Yes/No question
inline constexpr int kAttentionCaption = 58;
inline constexpr int kNoWallForCorner = 59;
inline constexpr int kNoWallCaption = 60;
inline constexpr int kNoWallToMove = 61;
inline constexpr int kPartitionParallelToWall = 62;
inline constexpr int kPartitionPlacementCaption = 63;
inline constexpr int kExactSizeOutOfRange = 64;
inline constexpr int kInvalidSizeCaption = 65;
inline constexpr int kLengthNotAllocated = 66;
inline constexpr int kHeightAboveTotal = 67;
inline constexpr int kInvalidHeightCaption = 68;
inline constexpr int kHeightAboveRemaining = 69;
inline constexpr int kPanelInputMissing = 183;

// Door kinds: menu titles, price dialog labels and report kind texts alike.
inline constexpr int kSlidingDoor = 8;
inline constexpr int kContainerDoor = 11;
inline constexpr int kSwingDoor = 41;

// Menu texts and menu titles. The swing door items show kMenuDoorBlock
// followed by the block size (" 1200x2040" and so on).
inline constexpr int kMenuNewCamera = 88;
inline constexpr int kMenuSaveCamera = 89;
inline constexpr int kMenuLoadCamera = 90;
inline constexpr int kMenuCloseCamera = 91;
inline constexpr int kMenuExportCamera = 92;
inline constexpr int kMenuExit = 93;
inline constexpr int kMenuToolbar = 94;
inline constexpr int kMenuStatusBar = 95;
inline constexpr int kMenuArchiveTitle = 96;
inline constexpr int kMenuAddToArchive = 97;
inline constexpr int kMenuLoadFromArchive = 98;
inline constexpr int kMenuSend = 99;
inline constexpr int kMenuPricesTitle = 100;
inline constexpr int kMenuPricesSettings = 101;
inline constexpr int kMenuMaterials = 102;
inline constexpr int kMenuPriceList80 = 103;
inline constexpr int kMenuPriceList100 = 104;
inline constexpr int kMenuAbout = 105;
inline constexpr int kMenuUpdateProgram = 106;
inline constexpr int kMenuFillAllObjects = 108;
inline constexpr int kMenuSplitCollection = 109;
inline constexpr int kMenuManualDivision = 110;
inline constexpr int kMenuContinueAsPartition = 111;
inline constexpr int kMenuSetDoorTitle = 112;
inline constexpr int kMenuDoorBlock = 113;
inline constexpr int kMenuDoorLeft = 114;   // container and sliding alike
inline constexpr int kMenuDoorRight = 115;  // container and sliding alike
inline constexpr int kMenuRemoveDivision = 116;
inline constexpr int kMenuDeletePartition = 117;
inline constexpr int kMenuSplitPartition = 118;
inline constexpr int kMenuManualDivisionPartition = 119;
inline constexpr int kMenuFixNonStandardPanel = 120;
inline constexpr int kMenuOpening = 121;
inline constexpr int kMenuDeleteDivision = 122;
inline constexpr int kMenuSplitFloor = 123;
inline constexpr int kMenuDeleteDoor = 124;
inline constexpr int kMenuCascade = 202;
inline constexpr int kMenuArrangeIcons = 203;
inline constexpr int kMenuTile = 204;
inline constexpr int kMenuFileTitle = 205;
inline constexpr int kMenuViewTitle = 206;
inline constexpr int kMenuWindowTitle = 207;
inline constexpr int kMenuHelpTitle = 208;

// Start screen hints, shown under the picture buttons.
inline constexpr int kHintNewCamera = 88;
inline constexpr int kHintArchive = 98;
inline constexpr int kHintPrices = 100;
inline constexpr int kHintMaterials = 101;
inline constexpr int kHintComponents = 37;
inline constexpr int kHintExit = 93;

// Dialog labels shared by many dialogs.
inline constexpr int kOkButton = 173;
inline constexpr int kCancelButton = 171;

// Dialog labels: new camera. Length, width and height also head the plan
// drawing as "<text>: <value> <kMillimetres>".
inline constexpr int kNewCameraCaption = 88;
inline constexpr int kArticleLabel = 22;
inline constexpr int kLengthLabel = 146;
inline constexpr int kWidthLabel = 147;
inline constexpr int kHeightLabel = 148;
inline constexpr int kWallThicknessGroup = 145;
inline constexpr int kDealerCoefficientLabel = 144;
inline constexpr int kGeometryLockCheck = 142;
inline constexpr int kNoFloorCheck = 143;
inline constexpr int kDescriptionLabel = 83;
inline constexpr int kCreateCameraButton = 170;

// Dialog labels: wall division.
inline constexpr int kWallDivisionCaption = 184;
inline constexpr int kUnallocatedLengthLabel = 137;
inline constexpr int kTotalSizeLabel = 138;
inline constexpr int kUnallocatedHeightLabel = 140;
inline constexpr int kTotalHeightLabel = 141;
inline constexpr int kAvailablePanelsLabel = 132;
inline constexpr int kChosenPanelsLabel = 133;
inline constexpr int kDeleteButton = 185;
inline constexpr int kAddButton = 186;
inline constexpr int kAddRemainderButton = 134;
inline constexpr int kExactSizeCheck = 131;
inline constexpr int kAddExactSizeButton = 135;
inline constexpr int kClearButton = 187;
inline constexpr int kAutoFillButton = 188;
inline constexpr int kHeightDivisionLabel = 139;

// Dialog labels: the small edit dialogs.
inline constexpr int kCornerCaption = 172;
inline constexpr int kCornerDistanceLabel = 128;
inline constexpr int kCountFromLabel = 129;
inline constexpr int kFromTopEnd = 74;  // vertical wall
inline constexpr int kFromBottomEnd = 75;
inline constexpr int kFromLeftEnd = 76;  // horizontal wall
inline constexpr int kFromRightEnd = 77;
inline constexpr int kMoveWallCaption = 174;
inline constexpr int kDistanceLabel = 130;
inline constexpr int kPartitionLengthCaption = 166;
inline constexpr int kPartitionLengthLabel = 189;
inline constexpr int kOpeningCaption = 40;
inline constexpr int kOpeningSizeLabel = 190;
inline constexpr int kNonStandardCaption = 120;
inline constexpr int kReplaceNonStandardLabel = 164;
inline constexpr int kKeepExistingRadio = 165;
inline constexpr int kStandardPanelChoice = 78;  // followed by the width in mm
inline constexpr int kChooseProfileLabel = 209;

// Dialog labels: print settings.
inline constexpr int kPrintSettingsCaption = 191;
inline constexpr int kPrintScaleLabel = 192;
inline constexpr int kPanelFontSizeLabel = 193;

// Dialog labels: price table. 149, 150 and 161 name controls the dialog
// itself does not have; they are set all the same.
inline constexpr int kPriceCaption = 100;
inline constexpr int kPrice80Label = 149;
inline constexpr int kPrice100Label = 150;
inline constexpr int kPanelPricesGroup = 151;
inline constexpr int kWallPanelsLabel = 152;
inline constexpr int kCeilingPanelsLabel = 153;
inline constexpr int kFloorPanelsLabel = 154;
inline constexpr int kCornerPostsLabel = 155;
inline constexpr int kCoefficientsGroup = 156;
inline constexpr int kMarginLabel = 157;
inline constexpr int kDealerMarkupLabel = 158;
inline constexpr int kVolumeDiscountLabel = 159;
inline constexpr int kNonStandardLabel = 160;
inline constexpr int kEuroRateLabel = 161;
inline constexpr int kNonStandard2Label = 162;
inline constexpr int kDealerDiscountLabel = 163;
inline constexpr int kDoorsGroup = 180;
inline constexpr int kOpeningLabel = 39;
inline constexpr int kThickness80Group = 194;
inline constexpr int kThickness100Group = 195;
inline constexpr int kHeight2200Label = 196;
inline constexpr int kHeight2360Label = 197;
inline constexpr int kHeight2560Label = 198;
inline constexpr int kDoorKitsGroup = 199;
inline constexpr int kPanelMarginLabel = 200;
inline constexpr int kNonStandardMarginLabel = 201;

// Dialog labels: material profiles.
inline constexpr int kMaterialCaption = 231;
inline constexpr int kInnerSkinLabel = 226;
inline constexpr int kOuterSkinLabel = 227;
inline constexpr int kPartitionsLabel = 36;
inline constexpr int kCameraProfileLabel = 230;
inline constexpr int kWallsLabel = 177;
inline constexpr int kFloorLabel = 228;
inline constexpr int kCeilingLabel = 229;
inline constexpr int kNewProfileButton = 232;  // also the new-profile caption
inline constexpr int kDeleteProfileButton = 233;
inline constexpr int kProfileNameLabel = 234;

// Material texts: the three material types, in the order of their index.
inline constexpr int kMaterialType0 = 152;
inline constexpr int kMaterialType1 = 153;
inline constexpr int kMaterialType2 = 154;

// Plan drawing header.
inline constexpr int kDrawingHeader = 215;

// Report strings. Row names are formatted as "<text> №<n>", door kits and
// over-door panels as "<text> <n>", the price-list date as "<text> dd/mm/yy".
inline constexpr int kReportDoorRow = 9;
inline constexpr int kReportStandard = 12;
inline constexpr int kReportNonStandard = 13;
inline constexpr int kReportWallPanelRow = 14;
inline constexpr int kReportClosingRow1Left = 22;
inline constexpr int kReportClosingRow1Right = 23;
inline constexpr int kReportClosingRow2Left = 24;
inline constexpr int kReportClosingRow2Right = 25;
inline constexpr int kReportTotalsStart = 28;
inline constexpr int kPriceListSubheading = 29;
inline constexpr int kPriceListHeading = 30;
inline constexpr int kPriceListTitle = 31;
inline constexpr int kReportLongSideNote = 32;
inline constexpr int kReportLargeVolumeNote = 33;
inline constexpr int kReportFloorPanelRow = 34;
inline constexpr int kReportCeilingPanelRow = 35;
inline constexpr int kReportPartitionRow = 36;
inline constexpr int kReportDoorKitRow = 37;
inline constexpr int kReportOverDoorPanelRow = 38;
inline constexpr int kReportOpeningRow = 39;
inline constexpr int kReportOpeningKind = 40;
inline constexpr int kReportSwingDoorRow = 42;
inline constexpr int kReportContainerSidePanel = 210;
inline constexpr int kReportSlidingSidePanel = 211;
inline constexpr int kReportCornerPostRow = 212;
inline constexpr int kPriceListSizeHeading = 213;
inline constexpr int kPriceListDateCaption = 214;
inline constexpr int kColumnName = 216;
inline constexpr int kColumnType = 217;
inline constexpr int kColumnThickness = 218;
inline constexpr int kColumnSize = 219;
inline constexpr int kColumnCount = 220;
inline constexpr int kColumnArea = 221;
inline constexpr int kPriceListVolumeCaption = 225;

// Texts added since: each new one is numbered after the last, so that a
// language file of an earlier version still reads right.

// Captions of the messages written for this program.
inline constexpr int kWarningCaption = 235;
inline constexpr int kConfirmationCaption = 236;
inline constexpr int kProgramErrorCaption = 237;
inline constexpr int kWrongMaterialCaption = 238;

// Why an outline edit was refused.
inline constexpr int kRefusalFirstSegment = 239;
inline constexpr int kRefusalRunWouldVanish = 240;
inline constexpr int kRefusalOpenChain = 241;
inline constexpr int kRefusalNothingToBend = 242;
inline constexpr int kRefusalNoOppositeWall = 243;
inline constexpr int kRefusalWouldLoseDoor = 244;
inline constexpr int kRefusalWallsWouldCross = 245;
inline constexpr int kRefusalBeyondLimits = 246;
inline constexpr int kRefusalNoSuchObject = 247;
inline constexpr int kRefusalNotPossible = 248;
inline constexpr int kGeometryLocked = 249;

// The camera window: checks of the edit dialogs' values, files, status texts.
// File dialogs are captioned with the menu texts of their commands.
inline constexpr int kPanelWidthNotPositive = 250;
inline constexpr int kPartitionLengthNotPositive = 251;
inline constexpr int kOpeningHeightOutOfRange = 252;
inline constexpr int kCameraFileDamaged = 253;
inline constexpr int kSaveChangesQuestion = 254;
inline constexpr int kCameraTitle = 255;
inline constexpr int kCameraFileName = 256;
inline constexpr int kCameraFileFilter = 257;
inline constexpr int kBitmapFileFilter = 258;
inline constexpr int kPngFileFilter = 259;
inline constexpr int kFileWriteFailed = 260;
inline constexpr int kStatusWall = 261;
inline constexpr int kStatusPartition = 262;
inline constexpr int kStatusFloorStrip = 263;
inline constexpr int kStatusPanel = 264;
inline constexpr int kStatusPosition = 265;
inline constexpr int kLoadCameraCaption = 90;
inline constexpr int kSaveCameraCaption = 89;
inline constexpr int kAddToArchiveCaption = 97;
inline constexpr int kExportCameraCaption = 92;

// Menu texts with their access keys: the main menu's own, and the camera
// menu's until the language texts replace them; toolbar tips.
inline constexpr int kKeyedMenuFile = 266;
inline constexpr int kKeyedMenuNewCamera = 267;
inline constexpr int kKeyedMenuCloseCamera = 268;
inline constexpr int kMenuMakePriceList = 269;
inline constexpr int kKeyedMenuView = 270;
inline constexpr int kKeyedMenuToolbar = 271;
inline constexpr int kKeyedMenuStatusBar = 272;
inline constexpr int kKeyedMenuHelp = 273;
inline constexpr int kKeyedMenuAbout = 274;
inline constexpr int kMenuFitToWindow = 275;
inline constexpr int kKeyedMenuWindow = 276;
inline constexpr int kKeyedMenuCascade = 277;
inline constexpr int kKeyedMenuTile = 278;
inline constexpr int kKeyedMenuArrangeIcons = 279;
inline constexpr int kToolCornerMode = 280;
inline constexpr int kToolPartitionMode = 63;
inline constexpr int kMenuOpeningItem = 39;

// Dialogs: camera archive, about, new camera, wall division, print settings.
inline constexpr int kArchiveCaption = 96;
inline constexpr int kArchiveSizeColumn = 281;
inline constexpr int kArchiveThicknessColumn = 282;
inline constexpr int kArchiveStandardColumn = 283;
inline constexpr int kArchiveArticleColumn = 22;
inline constexpr int kArchiveDescriptionColumn = 284;
inline constexpr int kArchiveStandardYes = 285;
inline constexpr int kArchiveSendButton = 99;
inline constexpr int kOpenButton = 286;
inline constexpr int kCancelButtonShort = 287;
inline constexpr int kChooseCameraToOpen = 288;
inline constexpr int kAboutCaption = 105;
inline constexpr int kVersionLabel = 289;
inline constexpr int kProgramPurpose = 290;
inline constexpr int kEnterSizeRange = 291;
inline constexpr int kSizeMissing = 292;
inline constexpr int kNotWholeNumber = 293;
inline constexpr int kSizeTooSmall = 294;
inline constexpr int kSizeTooLarge = 295;
inline constexpr int kCoefficientNotNumber = 296;
inline constexpr int kEnterHeightMm = 297;
inline constexpr int kHeightNotWholeNumber = 298;
inline constexpr int kHeightNotPositive = 299;
inline constexpr int kPanelsTooLong = 300;
inline constexpr int kTooManyPanels = 301;
inline constexpr int kCalculateButton = 302;
inline constexpr int kSaveButton = 303;
inline constexpr int kValueOutOfRange = 304;
inline constexpr int kNotANumber = 305;
inline constexpr int kEnterNumberRange = 306;
inline constexpr int kLanguageFileUnreadable = 307;
inline constexpr int kHeatLoadStartFailed = 308;

// Dialog: sending a camera, and the message handed to the mail program.
// The three introduction lines are shown one under the other.
inline constexpr int kSendCameraCaption = 309;
inline constexpr int kSendIntroLine1 = 310;
inline constexpr int kSendIntroLine2 = 311;
inline constexpr int kSendIntroLine3 = 312;
inline constexpr int kContactGroup = 313;
inline constexpr int kFirstNameLabel = 314;
inline constexpr int kLastNameLabel = 315;
inline constexpr int kPatronymicLabel = 316;
inline constexpr int kPhoneLabel = 317;
inline constexpr int kEmailLabel = 318;
inline constexpr int kCompanyGroup = 319;
inline constexpr int kCompanyNameLabel = 320;
inline constexpr int kAddressLabel = 321;
inline constexpr int kAdditionalInfoLabel = 322;
inline constexpr int kSendButton = 323;
inline constexpr int kCollectorMissing = 324;
inline constexpr int kCollectorBroken = 325;
inline constexpr int kMailCompanyPrefix = 326;
inline constexpr int kMailNotOpened = 327;
inline constexpr int kMailSubject = 328;
inline constexpr int kMailAttachmentNote = 329;

// Dialog: camera components.
inline constexpr int kComponentsCaption = 330;
inline constexpr int kChooseComponentsLabel = 331;
inline constexpr int kPanelKindGroup = 332;
inline constexpr int kFloorPanelChoice = 34;
inline constexpr int kCeilingPanelChoice = 35;
inline constexpr int kWallPanelChoice = 14;
inline constexpr int kThickness80Choice = 149;
inline constexpr int kThickness100Choice = 150;
inline constexpr int kComponentLengthLabel = 333;
inline constexpr int kComponentWidthLabel = 334;
inline constexpr int kCountLabel = 335;
inline constexpr int kThicknessLabel = 336;
inline constexpr int kCornerPostsGroup = 337;
inline constexpr int kPostCountLabel = 338;
inline constexpr int kPostHeightLabel = 339;
inline constexpr int kCalculatePostsButton = 340;
inline constexpr int kCloseButton = 341;
inline constexpr int kComponentRow = 342;

// Prices: the price dialog's checks and the pricing library's refusals.
inline constexpr int kDoorOpeningPanelsLabel = 343;
inline constexpr int kDontSaveButton = 344;
inline constexpr int kPriceOutOfRange = 345;
inline constexpr int kPricesNotSaved = 346;
inline constexpr int kPricesUnreadable = 347;
inline constexpr int kBadPriceEntry = 348;
inline constexpr int kTotalNotANumber = 349;
inline constexpr int kReportNotSaved = 350;
inline constexpr int kWrongMaterialVersion = 351;

// Reports, the printed page and the plan: the camera's designation before
// its volume, the unit after a size, the price list's thickness line
// ("<label> 80 <unit>"), the total row and the worksheet's name.
inline constexpr int kVolumeHeadingPrefix = 352;
inline constexpr int kMillimetres = 353;
inline constexpr int kPriceListThicknessLabel = 354;
inline constexpr int kReportTotal = 355;
inline constexpr int kEuroRateMissing = 356;
inline constexpr int kSheetName = 357;

// Material profiles.
inline constexpr int kLastProfileUndeletable = 358;
inline constexpr int kDeleteProfileQuestion = 359;
inline constexpr int kProfilesFileDamaged = 360;
inline constexpr int kProfilesNotSaved = 361;

// Material profiles: the texts their dialogs show when the language file
// has none of the entries they are translated with.
inline constexpr int kPartitionsResourceLabel = 362;
inline constexpr int kNewProfileResourceCaption = 363;

// The progress of a price list: "<camera> of <all>: <outer sizes>", then
// the saving of the workbook.
inline constexpr int kPriceListProgress = 364;
inline constexpr int kPriceListSaving = 365;

// The camera in 3-D: the menu item and toolbar tip, the window's buttons
// ("%1" the corner's number) and its key hint, and the options that put
// the picture on the printed page and in the detailed estimate.
inline constexpr int k3dView = 366;
inline constexpr int k3dViewFromCorner = 367;
inline constexpr int k3dFit = 368;
inline constexpr int k3dTransparentLid = 369;
inline constexpr int k3dHint = 370;
inline constexpr int k3dInTitleBlock = 371;
inline constexpr int k3dInEstimate = 372;

// The Edit and Tools menus, Save As, recent files, the camera price item and the language choice.
inline constexpr int kMenuEditTitle = 373;
inline constexpr int kMenuUndo = 374;
inline constexpr int kMenuRedo = 375;
inline constexpr int kMenuUndoNamed = 376;
inline constexpr int kMenuRedoNamed = 377;
inline constexpr int kMenuDeleteSelected = 378;
inline constexpr int kMenuSaveCameraAs = 379;
inline constexpr int kMenuRecentFiles = 380;
inline constexpr int kMenuRecentEmpty = 381;
inline constexpr int kMenuCameraPrice = 382;
inline constexpr int kMenuServiceTitle = 383;
inline constexpr int kMenuSettings = 384;
inline constexpr int kMenuLanguageTitle = 385;
inline constexpr int kLanguageFirstName = 386;
inline constexpr int kLanguageSecondName = 387;
inline constexpr int kLanguageAfterRestart = 388;

// What an edit is called in the Undo and Redo items.
inline constexpr int kEditNameCorner = 389;
inline constexpr int kEditNameMoveWall = 390;
inline constexpr int kEditNameFillAll = 391;
inline constexpr int kEditNameWallDivision = 392;
inline constexpr int kEditNamePartitionDivision = 393;
inline constexpr int kEditNameDoor = 394;
inline constexpr int kEditNameClearDivision = 395;
inline constexpr int kEditNameAddPartition = 396;
inline constexpr int kEditNameDeletePartition = 397;
inline constexpr int kEditNameFloorDivision = 398;
inline constexpr int kEditNamePanelSize = 399;

// Toolbar tips that no menu item lends.
inline constexpr int kToolMoveWallMode = 400;
inline constexpr int kToolPrintCamera = 401;

// The settings dialog, and what sending says while no factory address is set.
inline constexpr int kSettingsCaption = 402;
inline constexpr int kSettingsMailAddress = 403;
inline constexpr int kSettingsUpdateHost = 404;
inline constexpr int kSettingsUpdatePort = 405;
inline constexpr int kSettingsOpenReports = 406;
inline constexpr int kSettingsThickness = 407;
inline constexpr int kSettingsLanguage = 408;
inline constexpr int kSettingsBadMailAddress = 409;
inline constexpr int kSettingsBadUpdateHost = 410;
inline constexpr int kMailAddressNotSet = 411;
inline constexpr int kSendNeedsContact = 412;

// The update check before the updater takes over.
inline constexpr int kUpdateCaption = 413;
inline constexpr int kUpdateUpToDate = 414;
inline constexpr int kUpdateNewerFiles = 415;
inline constexpr int kUpdateAskInstall = 416;
inline constexpr int kUpdateNoConnection = 417;
inline constexpr int kUpdateIndexUnreadable = 418;
inline constexpr int kUpdateNotWritable = 419;

// The start screen: the heat-load and material hints, and opening a camera file.
inline constexpr int kHintHeatLoad = 420;
inline constexpr int kHintMaterialProfiles = 421;
inline constexpr int kStartOpenCamera = 422;
inline constexpr int kHintOpenCamera = 423;
inline constexpr int kStartOtherFile = 424;

// The material dialog asks before another profile replaces unsaved edits.
inline constexpr int kMaterialDropEdits = 425;

// Plan editing: the questions and refusals of the editing commands, the
// limits of typed sizes and counts, the narrow floor strip offer.
inline constexpr int kAskRunsLoseDivision = 426;
inline constexpr int kAskRedivideDropsDoors = 427;
inline constexpr int kDirectionOutward = 428;
inline constexpr int kDirectionInward = 429;
inline constexpr int kMoveAtMost = 430;
inline constexpr int kMoveOtherWayOnly = 431;
inline constexpr int kWallEndFixed = 432;
inline constexpr int kPartitionTooLong = 433;
inline constexpr int kPartitionOffsetRange = 434;
inline constexpr int kNotADoorPanel = 435;
inline constexpr int kCornerDistanceRange = 436;
inline constexpr int kNothingToUndo = 437;
inline constexpr int kNothingToRedo = 438;
inline constexpr int kNonStandardOuterSize = 439;
inline constexpr int kDealerCoefficientTooHigh = 440;
inline constexpr int kCountNotPositive = 441;
inline constexpr int kWidthWithinRun = 442;
inline constexpr int kNarrowFloorStripsOffer = 443;
inline constexpr int kNotCameraFile = 444;
inline constexpr int kNoSuchPartition = 445;
inline constexpr int kNoSuchWall = 446;
inline constexpr int kNoSuchPanel = 447;
inline constexpr int kNoSuchFloorStrip = 448;

// Exact dimensions: the inside sizes switch and the header's clear sizes,
// what the status bar names under the pointer, the live distance of a wall
// drag and of a partition, typed lengths.
inline constexpr int kMenuInsideDimensions = 449;
inline constexpr int kHeaderClear = 450;
inline constexpr int kStatusWallClear = 451;
inline constexpr int kStatusPanelKind = 452;
inline constexpr int kPanelKindStandard = 453;
inline constexpr int kPanelKindOtherWidth = 454;
inline constexpr int kPanelKindDoor = 455;
inline constexpr int kPanelKindOpening = 456;
inline constexpr int kStatusFloorStripSize = 457;
inline constexpr int kDragDistance = 458;
inline constexpr int kMoveDirectionNote = 459;
inline constexpr int kMenuSetLength = 460;
inline constexpr int kSetLengthCaption = 461;
inline constexpr int kSetLengthLabel = 462;
inline constexpr int kMoveWallStart = 463;
inline constexpr int kMoveWallEnd = 464;
inline constexpr int kPartitionFromWall = 465;
inline constexpr int kPartitionOffsetLabel = 466;
inline constexpr int kMenuSetCameraLength = 467;
inline constexpr int kMenuSetCameraWidth = 468;

// The printed page's title block, the print settings, the print preview and
// PDF export, the picture filters, where a report went, the quotation's
// added cells, the detailed estimate and the price lists' currency.
inline constexpr int kPrintDateLabel = 469;
inline constexpr int kPrintOuterSizes = 470;
inline constexpr int kPrintInnerSizes = 471;
inline constexpr int kPrintThickness = 472;
inline constexpr int kPrintInnerVolume = 473;
inline constexpr int kPrintScale = 474;
inline constexpr int kPrintSheet = 475;
inline constexpr int kPrintFitToPage = 476;
inline constexpr int kPrintScaleRatioLabel = 477;
inline constexpr int kMenuPrintPreview = 478;
inline constexpr int kMenuExportPdf = 479;
inline constexpr int kPdfFileFilter = 480;
inline constexpr int kSvgFileFilter = 481;
inline constexpr int kReportSavedStatus = 482;
inline constexpr int kReportNotOpened = 483;
inline constexpr int kReportOpenDisabled = 484;
inline constexpr int kReportOpenFailed = 485;
inline constexpr int kQuoteNumberLabel = 486;
inline constexpr int kQuoteRoubles = 487;
inline constexpr int kQuoteDealerCoefficient = 488;
inline constexpr int kQuoteMaterialProfile = 489;
inline constexpr int kDetailedEstimate = 490;
inline constexpr int kEstimateUnitPrice = 491;
inline constexpr int kEstimateLineSum = 492;
inline constexpr int kEstimateSubtotal = 493;
inline constexpr int kEstimateWalls = 494;
inline constexpr int kEstimatePartitions = 495;
inline constexpr int kEstimateCornerPosts = 496;
inline constexpr int kEstimateCeiling = 497;
inline constexpr int kEstimateFloor = 498;
inline constexpr int kEstimateDoors = 499;
inline constexpr int kEstimateVolumeDiscount = 500;
inline constexpr int kEstimateDealerDiscount = 501;
inline constexpr int kEstimateVat = 502;
inline constexpr int kPriceListRoubles = 503;
inline constexpr int kPriceListEuros = 504;

// The highest entry the file must hold.
inline constexpr int kLastEntry = 504;

}  // namespace Lang
