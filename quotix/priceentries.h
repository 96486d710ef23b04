#pragma once

// Positions of the prices and coefficients in the price table (file
// "PriceCntr.data"). The positions are fixed by the files dealers already
// keep, so a number here never changes meaning.
namespace PriceEntry {

inline constexpr int kDoorOpeningPanel80 = 0;  // edited, read by no calculation
inline constexpr int kDoorOpeningPanel100 = 1;
inline constexpr int kWallPanel80 = 2;  // per m²; the 100 mm price follows each 80 mm one
inline constexpr int kWallPanel100 = 3;
inline constexpr int kCeilingPanel80 = 4;
inline constexpr int kCeilingPanel100 = 5;
inline constexpr int kFloorPanel80 = 6;
inline constexpr int kFloorPanel100 = 7;
inline constexpr int kCornerPost80 = 8;  // per running metre
inline constexpr int kCornerPost100 = 9;
inline constexpr int kContainerDoor = 10;  // each
inline constexpr int kSlidingDoor = 11;
inline constexpr int kSwingDoor80Code1 = 12;
inline constexpr int kOpening = 13;
inline constexpr int kMargin = 14;        // fraction, enters as (1 + value)
inline constexpr int kDealerMarkup = 15;  // fraction, enters as (1 + value)
inline constexpr int kDealerDiscount = 16;  // fraction taken off the total; set per report
inline constexpr int kVolumeDiscount80 = 17;
inline constexpr int kNonStandard = 18;   // multiplies a non-standard panel's amount
inline constexpr int kNonStandard2 = 19;  // the same for long ceiling and floor panels
inline constexpr int kUnused20 = 20;      // kept in the file, edited and read by nothing
inline constexpr int kNonStandardMargin = 21;  // edited, not applied
inline constexpr int kSwingDoor80Code2 = 22;
inline constexpr int kSwingDoor80Code3 = 23;
inline constexpr int kSwingDoor100Code1 = 24;
inline constexpr int kSwingDoor100Code2 = 25;
inline constexpr int kSwingDoor100Code3 = 26;
inline constexpr int kDoorKitContainer = 27;
inline constexpr int kDoorKitSliding = 28;
inline constexpr int kDoorKitSwing = 29;
inline constexpr int kVolumeDiscount100 = 30;
inline constexpr int kPanelMargin = 31;  // edited, read by no calculation
inline constexpr int kEuroRate = 32;     // roubles per euro

// Entries 0 .. kLastEdited have a box in the price dialog (kUnused20 excepted).
inline constexpr int kLastEdited = 32;
inline constexpr int kCount = 50;

}  // namespace PriceEntry
