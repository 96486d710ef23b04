#pragma once

#include "languageentries.h"
#include "priceentries.h"

// The controls of the price dialog (dialog 138), by number. Every control
// carries its number as object name, so tests and the language texts find
// it by that number.
namespace PriceDlgControl {

inline constexpr int kDialog = 138;
inline constexpr int kSave = 1;
inline constexpr int kDiscard = 2;

// The edit box of every price-table entry the dialog shows.
// PriceEntry::kUnused20 has none; PriceEntry::kDealerDiscount has a hidden
// one.
struct CEntryBox {
  int entry;
  int control;
};
inline constexpr CEntryBox kEntryBoxes[] = {
    {PriceEntry::kDoorOpeningPanel80, 1000}, {PriceEntry::kDoorOpeningPanel100, 1026},
    {PriceEntry::kWallPanel80, 1027},        {PriceEntry::kWallPanel100, 1028},
    {PriceEntry::kCeilingPanel80, 1029},     {PriceEntry::kCeilingPanel100, 1030},
    {PriceEntry::kFloorPanel80, 1031},       {PriceEntry::kFloorPanel100, 1032},
    {PriceEntry::kCornerPost80, 1033},       {PriceEntry::kCornerPost100, 1034},
    {PriceEntry::kContainerDoor, 1035},      {PriceEntry::kSlidingDoor, 1036},
    {PriceEntry::kSwingDoor80Code1, 1037},   {PriceEntry::kOpening, 1038},
    {PriceEntry::kMargin, 1045},             {PriceEntry::kDealerMarkup, 1047},
    {PriceEntry::kDealerDiscount, 1057},     {PriceEntry::kVolumeDiscount80, 1048},
    {PriceEntry::kNonStandard, 1049},        {PriceEntry::kNonStandard2, 1051},
    {PriceEntry::kNonStandardMargin, 1005},  {PriceEntry::kSwingDoor80Code2, 1052},
    {PriceEntry::kSwingDoor80Code3, 1053},   {PriceEntry::kSwingDoor100Code1, 1054},
    {PriceEntry::kSwingDoor100Code2, 1055},  {PriceEntry::kSwingDoor100Code3, 1056},
    {PriceEntry::kDoorKitContainer, 1003},   {PriceEntry::kDoorKitSliding, 1004},
    {PriceEntry::kDoorKitSwing, 1002},       {PriceEntry::kVolumeDiscount100, 1006},
    {PriceEntry::kPanelMargin, 1007},        {PriceEntry::kEuroRate, 1067},
};
inline constexpr int kDealerDiscountBox = 1057;
inline constexpr int kDealerDiscountLabel = 1019;

// Labels and group boxes: the language entry when the language file has it
// (0: no entry), else the resource's own text: the language text of
// `resourceEntry` (0: the same as `entry`), or `resourceText` where the
// resource shows no words.
struct CLabel {
  int control;  // 0: a label without a number
  int entry;
  int resourceEntry = 0;
  const char* resourceText = nullptr;
};
inline constexpr CLabel kPanelPriceGroup{1008, Lang::kPanelPricesGroup};
inline constexpr CLabel kColumn80{0, 0, 0, "80"};
inline constexpr CLabel kColumn100{0, 0, 0, "100"};
inline constexpr CLabel kDoorOpeningPanels{1068, 0, Lang::kDoorOpeningPanelsLabel};
inline constexpr CLabel kWallPanels{1012, Lang::kWallPanelsLabel};
inline constexpr CLabel kCeilingPanels{1013, Lang::kCeilingPanelsLabel};
inline constexpr CLabel kFloorPanels{1014, Lang::kFloorPanelsLabel};
inline constexpr CLabel kCornerPosts{1015, Lang::kCornerPostsLabel};
inline constexpr CLabel kCoefficientsGroup{1016, Lang::kCoefficientsGroup};
inline constexpr CLabel kMargin{1017, Lang::kMarginLabel};
inline constexpr CLabel kDealerMarkup{1018, Lang::kDealerMarkupLabel};
inline constexpr CLabel kDealerDiscount{kDealerDiscountLabel, Lang::kDealerDiscountLabel};
inline constexpr CLabel kVolumeDiscount{1020, Lang::kVolumeDiscountLabel};
inline constexpr CLabel kNonStandard{1021, Lang::kNonStandardLabel};
inline constexpr CLabel kNonStandard2{1022, Lang::kNonStandard2Label};
inline constexpr CLabel kPanelMargin{1065, Lang::kPanelMarginLabel};
inline constexpr CLabel kNonStandardMargin{1066, Lang::kNonStandardMarginLabel};
inline constexpr CLabel kEuroRate{0, 0, 0, "Euro/rub"};
inline constexpr CLabel kDoorsGroup{1023, Lang::kDoorsGroup};
inline constexpr CLabel kContainerDoor{1024, Lang::kContainerDoor};
inline constexpr CLabel kSlidingDoor{1025, Lang::kSlidingDoor};
inline constexpr CLabel kSwingDoor{1039, Lang::kSwingDoor};
inline constexpr CLabel kOpening{1040, Lang::kOpeningLabel};
inline constexpr CLabel kSwing80Group{1041, Lang::kThickness80Group};
inline constexpr CLabel kSwing100Group{1042, Lang::kThickness100Group};
inline constexpr CLabel kHeight2200For80{1043, Lang::kHeight2200Label};
inline constexpr CLabel kHeight2360For80{1044, Lang::kHeight2360Label};
inline constexpr CLabel kHeight2560For80{1046, Lang::kHeight2560Label};
inline constexpr CLabel kHeight2200For100{1058, Lang::kHeight2200Label};
inline constexpr CLabel kHeight2360For100{1059, Lang::kHeight2360Label};
inline constexpr CLabel kHeight2560For100{1060, Lang::kHeight2560Label};
inline constexpr CLabel kDoorKitsGroup{1061, Lang::kDoorKitsGroup};
inline constexpr CLabel kKitContainer{1062, Lang::kContainerDoor};
inline constexpr CLabel kKitSliding{1063, Lang::kSlidingDoor};
inline constexpr CLabel kKitSwing{1064, Lang::kSwingDoor};
inline constexpr CLabel kSaveButton{kSave, Lang::kOkButton, Lang::kSaveButton};
inline constexpr CLabel kDiscardButton{kDiscard, Lang::kCancelButton, Lang::kDontSaveButton};
inline constexpr CLabel kCaption{0, Lang::kPriceCaption, 0, "Prices"};

// Entries set on controls the dialog does not have; looked for all the same.
inline constexpr int kAbsentControls[][2] = {
    {1009, Lang::kPrice80Label}, {1010, Lang::kPrice100Label}, {1011, Lang::kEuroRateLabel}};

}  // namespace PriceDlgControl
