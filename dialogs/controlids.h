#pragma once

// Control numbers of the program's dialogs. Every control carries its number
// as its object name ("1022"), which is how the dialogs, the remembered form
// values and the tests find them. The same number means different controls
// in different dialogs, hence one namespace per dialog.
namespace Ctl {

// Every dialog's confirm and cancel buttons.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

namespace NewCamera {
inline constexpr int kArticleLabel = 1075;
inline constexpr int kArticle = 1000;
inline constexpr int kLengthLabel = 1076;
inline constexpr int kLength = 1022;
inline constexpr int kWidthLabel = 1077;
inline constexpr int kWidth = 1023;
inline constexpr int kHeightLabel = 1078;
inline constexpr int kHeight = 1024;
inline constexpr int kThicknessGroup = 1081;
inline constexpr int kThickness80 = 1009;
inline constexpr int kThickness100 = 1010;
inline constexpr int kCoefficientLabel = 1080;
inline constexpr int kCoefficient = 1026;
inline constexpr int kGeometryLock = 1011;
inline constexpr int kNoFloor = 1025;
inline constexpr int kDescriptionLabel = 1079;
inline constexpr int kDescription = 1027;
}  // namespace NewCamera

namespace WallDivision {
inline constexpr int kUnallocatedLabel = 1097;
inline constexpr int kUnallocated = 1020;
inline constexpr int kTotalLabel = 1098;
inline constexpr int kTotal = 1021;
inline constexpr int kUnallocatedHeightLabel = 1099;
inline constexpr int kUnallocatedHeight = 1074;
inline constexpr int kTotalHeightLabel = 1100;
inline constexpr int kTotalHeight = 1073;
inline constexpr int kAvailableLabel = 1101;
inline constexpr int kAvailable = 1012;
inline constexpr int kChosenLabel = 1102;
inline constexpr int kChosen = 1013;
inline constexpr int kDelete = 1014;
inline constexpr int kAdd = 1015;
inline constexpr int kAddRemainder = 1016;
inline constexpr int kExactCheck = 1011;
inline constexpr int kExactSize = 1000;
inline constexpr int kAddExact = 1017;
inline constexpr int kClear = 1018;
inline constexpr int kAutoFill = 1019;
inline constexpr int kHeightsLabel = 1103;
inline constexpr int kHeights = 1072;
inline constexpr int kHeight = 1071;
inline constexpr int kAddHeight = 1024;
inline constexpr int kDeleteHeight = 1070;
}  // namespace WallDivision

namespace NewControlPoint {
inline constexpr int kDistanceLabel = 1082;
inline constexpr int kCountFromLabel = 1083;
inline constexpr int kFromFirstEnd = 1007;
inline constexpr int kFromSecondEnd = 1008;
inline constexpr int kDistance = 1000;
}  // namespace NewControlPoint

namespace MoveWall {
inline constexpr int kDistanceLabel = 1084;
inline constexpr int kDistance = 1000;
}  // namespace MoveWall

namespace PartitionLength {
inline constexpr int kLengthLabel = 1105;
inline constexpr int kLength = 1000;
// The partition's distance from the wall beside it (this program's own).
inline constexpr int kDistanceLabel = 1106;
inline constexpr int kDistance = 1001;
}  // namespace PartitionLength

namespace OpeningHeight {
inline constexpr int kHeightLabel = 1106;
inline constexpr int kHeight = 1000;
}  // namespace OpeningHeight

namespace NonStandard {
inline constexpr int kReplaceLabel = 1104;
inline constexpr int kKeep = 1009;
inline constexpr int kRoundDown = 1010;
inline constexpr int kRoundUp = 1044;
}  // namespace NonStandard

namespace ExcelOutput {
inline constexpr int kProfileLabel = 1127;
inline constexpr int kProfile = 1022;
inline constexpr int kCurrency = 1023;
}  // namespace ExcelOutput

namespace PrintSettings {
inline constexpr int kScaleLabel = 1107;
inline constexpr int kFontSizeLabel = 1108;
inline constexpr int kScale = 1068;
inline constexpr int kFontSize = 1069;
}  // namespace PrintSettings

namespace StartScreen {
inline constexpr int kNewCamera = 1;
inline constexpr int kArchive = 6;
inline constexpr int kPrices = 4;
inline constexpr int kMaterials = 1059;
inline constexpr int kComponents = 7;
inline constexpr int kHeatLoad = 8;
inline constexpr int kExit = 5;
inline constexpr int kHint = 1060;
// Opening a camera file: the recent ones and a file dialog (this program's own).
inline constexpr int kOpenCamera = 1701;
}  // namespace StartScreen

namespace ComplCount {
inline constexpr int kChooseLabel = 1085;
inline constexpr int kDealerDiscountLabel = 1087;
inline constexpr int kDealerDiscount = 1027;
inline constexpr int kFloorPanel = 1009;
inline constexpr int kCeilingPanel = 1010;
inline constexpr int kWallPanel = 1044;
inline constexpr int kLengthLabel = 1089;
inline constexpr int kLength = 1000;  // Y
inline constexpr int kWidthLabel = 1088;
inline constexpr int kWidth = 1026;  // X
inline constexpr int kThickness80 = 1066;
inline constexpr int kThickness100 = 1007;
inline constexpr int kCountLabel = 1090;
inline constexpr int kCount = 1028;
inline constexpr int kAdd = 1129;
inline constexpr int kList = 1128;
inline constexpr int kDelete = 1130;
inline constexpr int kClear = 1131;
inline constexpr int kCalculate = 1014;
// The corner-post report, an addition of this program's own.
inline constexpr int kPostCountLabel = 1135;
inline constexpr int kPostCount = 1132;
inline constexpr int kPostHeightLabel = 1136;
inline constexpr int kPostHeight = 1133;
inline constexpr int kCalculatePosts = 1134;
}  // namespace ComplCount

namespace Archive {
inline constexpr int kList = 1061;
inline constexpr int kSend = 1016;
}  // namespace Archive

namespace SendCamera {
inline constexpr int kFirstName = 1022;
inline constexpr int kLastName = 1025;
inline constexpr int kPatronymic = 1026;
inline constexpr int kPhone = 1027;
inline constexpr int kEmail = 1028;
inline constexpr int kCompany = 1029;
inline constexpr int kAddress = 1030;
inline constexpr int kAdditional = 1031;
}  // namespace SendCamera

// The settings dialog, this program's own.
namespace Settings {
inline constexpr int kMailAddress = 1501;
inline constexpr int kUpdateHost = 1502;
inline constexpr int kUpdatePort = 1503;
inline constexpr int kOpenReports = 1504;
inline constexpr int kThickness = 1505;
inline constexpr int kLanguage = 1506;
}  // namespace Settings

}  // namespace Ctl
