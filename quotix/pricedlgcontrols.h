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

// The edit box of every price-table entry the dialog shows. Entry 20 has
// none; entry 16 (the dealer discount) has a hidden one.
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

// Labels and group boxes: the resource's own text, replaced by the
// language entry when the language file has it (0: no entry).
struct CLabel {
  int control;  // 0: a label without a number
  int entry;
  const char* resourceText;
};
inline constexpr CLabel kPanelPriceGroup{1008, Lang::kPanelPricesGroup, "Цены на панели (1 кв.м.)"};
inline constexpr CLabel kColumn80{0, 0, "80"};
inline constexpr CLabel kColumn100{0, 0, "100"};
inline constexpr CLabel kDoorOpeningPanels{1068, 0, "Панели дверного проема"};
inline constexpr CLabel kWallPanels{1012, Lang::kWallPanelsLabel, "Стеновые"};
inline constexpr CLabel kCeilingPanels{1013, Lang::kCeilingPanelsLabel, "Потолочные"};
inline constexpr CLabel kFloorPanels{1014, Lang::kFloorPanelsLabel, "Половые"};
inline constexpr CLabel kCornerPosts{1015, Lang::kCornerPostsLabel, "Стойки угловые"};
inline constexpr CLabel kCoefficientsGroup{1016, Lang::kCoefficientsGroup, "Коэффициенты"};
inline constexpr CLabel kMargin{1017, Lang::kMarginLabel, "Маржинальный"};
inline constexpr CLabel kDealerMarkup{1018, Lang::kDealerMarkupLabel, "Дилерская наценка"};
inline constexpr CLabel kDealerDiscount{kDealerDiscountLabel, Lang::kDealerDiscountLabel, "Дилерская скидка"};
inline constexpr CLabel kVolumeDiscount{1020, Lang::kVolumeDiscountLabel, "\"Объемный\""};
inline constexpr CLabel kNonStandard{1021, Lang::kNonStandardLabel, "Нестандарт"};
inline constexpr CLabel kNonStandard2{1022, Lang::kNonStandard2Label, "Нестандарт2"};
inline constexpr CLabel kPanelMargin{1065, Lang::kPanelMarginLabel, "Марж. на панели"};
inline constexpr CLabel kNonStandardMargin{1066, Lang::kNonStandardMarginLabel, "Маржинальный для нестандарт."};
inline constexpr CLabel kEuroRate{0, 0, "Euro/rub"};
inline constexpr CLabel kDoorsGroup{1023, Lang::kDoorsGroup, "Двери"};
inline constexpr CLabel kContainerDoor{1024, Lang::kContainerDoor, "Контейнерная"};
inline constexpr CLabel kSlidingDoor{1025, Lang::kSlidingDoor, "Откатная"};
inline constexpr CLabel kSwingDoor{1039, Lang::kSwingDoor, "Распашная"};
inline constexpr CLabel kOpening{1040, Lang::kOpeningLabel, "Проем"};
inline constexpr CLabel kSwing80Group{1041, Lang::kThickness80Group, "толщина 80 мм."};
inline constexpr CLabel kSwing100Group{1042, Lang::kThickness100Group, "толщина 100 мм."};
inline constexpr CLabel kHeight2200For80{1043, Lang::kHeight2200Label, "высота 2200"};
inline constexpr CLabel kHeight2360For80{1044, Lang::kHeight2360Label, "высота 2360"};
inline constexpr CLabel kHeight2560For80{1046, Lang::kHeight2560Label, "высота 2560"};
inline constexpr CLabel kHeight2200For100{1058, Lang::kHeight2200Label, "высота 2200"};
inline constexpr CLabel kHeight2360For100{1059, Lang::kHeight2360Label, "высота 2360"};
inline constexpr CLabel kHeight2560For100{1060, Lang::kHeight2560Label, "высота 2560"};
inline constexpr CLabel kDoorKitsGroup{1061, Lang::kDoorKitsGroup, "Комплектация дверей"};
inline constexpr CLabel kKitContainer{1062, Lang::kContainerDoor, "Контейнерная"};
inline constexpr CLabel kKitSliding{1063, Lang::kSlidingDoor, "Откатная"};
inline constexpr CLabel kKitSwing{1064, Lang::kSwingDoor, "Распашная"};
inline constexpr CLabel kSaveButton{kSave, Lang::kOkButton, "Сохранить"};
inline constexpr CLabel kDiscardButton{kDiscard, Lang::kCancelButton, "Не сохранять"};
inline constexpr CLabel kCaption{0, Lang::kPriceCaption, "Prices"};

// Entries set on controls the dialog does not have; looked for all the same.
inline constexpr int kAbsentControls[][2] = {
    {1009, Lang::kPrice80Label}, {1010, Lang::kPrice100Label}, {1011, Lang::kEuroRateLabel}};

}  // namespace PriceDlgControl
