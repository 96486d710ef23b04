#include "pricecalc.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "innersize.h"

namespace {

constexpr int32_t kThickness80 = 80;
constexpr int kWallFamily = PriceEntry::kWallPanel80;
constexpr int kCeilingFamily = PriceEntry::kCeilingPanel80;
constexpr int kFloorFamily = PriceEntry::kFloorPanel80;

// Container and sliding doors leave this much of the wall above them.
constexpr int32_t kSideDoorHeight = 1850;
constexpr int32_t kOverDoorWidth = 1200;
// Ceiling and floor panels longer than this (plus twice the thickness) are
// cut, and from this length on they are dearer.
constexpr int32_t kMaxFlatPanelLength = 5400;
constexpr int32_t kLongFlatPanel = 2560;
// Panels of these extra widths sit at the edges of every floor strip.
constexpr int32_t kEdgeWidthLarge = 900;
constexpr int32_t kEdgeWidthSmall = 600;
// Cameras above this volume get the volume discount (80 mm: strictly above,
// 100 mm: from it on).
constexpr double kDiscountVolume = 20.0;

struct CSwingDoor {
  int entry80;
  int entry100;
  int32_t height;
};
constexpr CSwingDoor kSwingDoors[] = {
    {PriceEntry::kSwingDoor80Code1, PriceEntry::kSwingDoor100Code1, 2040},
    {PriceEntry::kSwingDoor80Code2, PriceEntry::kSwingDoor100Code2, 2300},
    {PriceEntry::kSwingDoor80Code3, PriceEntry::kSwingDoor100Code3, 2560},
};

constexpr int kDoorKitEntries[kDoorKitKinds] = {PriceEntry::kDoorKitContainer, PriceEntry::kDoorKitSliding,
                                                PriceEntry::kDoorKitSwing};

bool IsStandardWidth(int32_t width) { return width % kPanelWidthStep == 0; }

bool IsStandardHeight(int32_t height) {
  return std::find(std::begin(kStandardHeights), std::end(kStandardHeights), height) != std::end(kStandardHeights);
}

int32_t SaturatingProduct(int64_t a, int64_t b) {
  const int64_t p = a * b;
  return static_cast<int32_t>(std::clamp<int64_t>(p, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

double Area(int32_t a, int32_t b) { return static_cast<double>(a) * static_cast<double>(b) / 1e6; }

}  // namespace

bool IsFiniteTotal(const CTotals& totals, const CPriceSums& sums) {
  return std::isfinite(totals.total) && std::isfinite(sums.standardSum) && std::isfinite(sums.extrasSum);
}

CPriceCalculator::CPriceCalculator(const CPriceTable& prices, const CCameraValues& values, bool euroNoVat,
                                   CPriceSums& sums)
    : prices_(prices), values_(values), vat_(euroNoVat ? 0.0 : kVatRate), sums_(sums) {}

double CPriceCalculator::PanelPrice(int family80) const {
  return prices_.Get(values_.thickness == kThickness80 ? family80 : family80 + 1);
}

CPanelRow CPriceCalculator::AddWallGroup(const WallPanelTally& group, bool priceListMode) {
  CPanelRow row;
  row.count = group.count;
  row.width = group.width;
  row.length = values_.innerHeight;
  row.countsAsDoor = group.isDoor != 0;
  row.area = Area(values_.innerHeight, group.width);
  row.standard = priceListMode || (IsStandardWidth(group.width) && IsStandardHeight(values_.innerHeight));
  row.coefficient = row.standard ? 1.0 : prices_.Get(PriceEntry::kNonStandard);
  row.amount = group.count * PanelPrice(kWallFamily) * row.coefficient * row.area * (1.0 + vat_);
  sums_.standardSum += row.amount;
  return row;
}

CPanelRow CPriceCalculator::AddCornerPosts(int32_t count) {
  CPanelRow row;
  row.count = count;
  row.length = values_.innerHeight;
  if (count <= 0) return row;
  const double perMetre =
      prices_.Get(values_.thickness == kThickness80 ? PriceEntry::kCornerPost80 : PriceEntry::kCornerPost100);
  row.amount = values_.innerHeight * perMetre / 1000.0 * count * (1.0 + vat_);
  sums_.standardSum += row.amount;
  return row;
}

CPanelRow CPriceCalculator::AddFlatGroup(int32_t count, int32_t width, int32_t length, int family80) {
  const int32_t t = values_.thickness;
  CPanelRow row;
  row.count = count;
  row.width = width;
  row.length = length;
  row.area = Area(width, length);
  const bool standardWidth = IsStandardWidth(width) || width == t + kEdgeWidthLarge || width == t + kEdgeWidthSmall;
  if (standardWidth && t == kThickness80) {
    row.standard = length <= kLongFlatPanel;
    row.coefficient = row.standard ? 1.0 : prices_.Get(PriceEntry::kNonStandard);
  } else {
    row.standard = false;
    row.coefficient = prices_.Get(length >= kLongFlatPanel ? PriceEntry::kNonStandard2 : PriceEntry::kNonStandard);
  }
  row.amount = count * row.area * PanelPrice(family80) * row.coefficient * (1.0 + vat_);
  sums_.standardSum += row.amount;
  return row;
}

CPanelRow CPriceCalculator::AddCeilingGroup(int32_t count, int32_t width, int32_t length) {
  return AddFlatGroup(count, width, length, kCeilingFamily);
}

CPanelRow CPriceCalculator::AddFloorGroup(int32_t count, int32_t width, int32_t length) {
  return AddFlatGroup(count, width, length, kFloorFamily);
}

std::optional<CDoorItem> CPriceCalculator::AddDoor(const WallPanelTally& item, std::vector<COverDoorPanel>& overDoor) {
  const int32_t h = values_.innerHeight;
  CDoorItem door;
  door.count = item.count;
  door.width = item.width;
  int32_t overWidth = kOverDoorWidth;
  int32_t overHeight = 0;
  int kit = -1;
  switch (item.kind) {
    case kContainerDoorLeft:
    case kContainerDoorRight:
    case kSlidingDoorLeft:
    case kSlidingDoorRight: {
      const bool container = item.kind <= kContainerDoorRight;
      door.kind = container ? DoorKind::Container : DoorKind::Sliding;
      door.price = prices_.Get(container ? PriceEntry::kContainerDoor : PriceEntry::kSlidingDoor);
      // A camera lower than the door leaves no wall above it (never a
      // negative panel that would lower the price).
      overHeight = std::max(0, h - kSideDoorHeight);
      door.height = std::min(h, kSideDoorHeight);
      kit = container ? 0 : 1;
      door.hasSidePanels = true;
      door.sideWidths[0] = item.nextWidth;
      door.sideWidths[1] = item.prevWidth;
      for (int side = 0; side < 2; ++side) {
        door.sideAmounts[side] =
            item.count * Area(h, door.sideWidths[side]) * PanelPrice(kWallFamily) * (1.0 + vat_);
        sums_.standardSum += door.sideAmounts[side];
      }
      break;
    }
    case kSwingDoorBlock: {
      door.kind = DoorKind::Swing;
      kit = 2;
      if (item.doorVariant >= 1 && item.doorVariant <= 3) {
        const CSwingDoor& swing = kSwingDoors[item.doorVariant - 1];
        door.price = prices_.Get(values_.thickness == kThickness80 ? swing.entry80 : swing.entry100);
        overHeight = std::max(0, h - swing.height);
        door.height = swing.height;
      }
      break;
    }
    case kOpening:
      door.kind = DoorKind::Opening;
      door.price = prices_.Get(PriceEntry::kOpening);
      overWidth = item.width;
      overHeight = h - item.openingHeight >= 1 ? h - item.openingHeight : 0;
      door.height = item.openingHeight;
      break;
    default:
      return std::nullopt;
  }
  sums_.extrasSum += item.count * door.price;
  if (overHeight != 0) overDoor.push_back({item.count, overWidth, overHeight, 0.0, 0.0});
  if (kit >= 0) sums_.doorKitCounts[kit] += item.count;
  return door;
}

COverDoorPanel CPriceCalculator::AddOverDoorPanel(const COverDoorPanel& panel) {
  COverDoorPanel priced = panel;
  priced.area = Area(panel.width, panel.height);
  priced.amount = panel.count * PanelPrice(kWallFamily) * priced.area * (1.0 + vat_);
  sums_.standardSum += priced.amount;
  return priced;
}

std::vector<CDoorKitRow> CPriceCalculator::AddDoorKits() {
  static constexpr DoorKind kKinds[kDoorKitKinds] = {DoorKind::Container, DoorKind::Sliding, DoorKind::Swing};
  std::vector<CDoorKitRow> rows;
  for (int k = 0; k < kDoorKitKinds; ++k) {
    const int32_t count = sums_.doorKitCounts[k];
    if (count == 0) continue;
    CDoorKitRow row{kKinds[k], count, count * prices_.Get(kDoorKitEntries[k]) * (1.0 + vat_)};
    sums_.standardSum += row.amount;
    rows.push_back(row);
  }
  return rows;
}

double CPriceCalculator::MarkupFactor() const {
  return (1.0 + prices_.Get(PriceEntry::kDealerMarkup)) * (1.0 + prices_.Get(PriceEntry::kMargin));
}

CTotals CPriceCalculator::Totals(bool applyDealerDiscount, bool euro) const {
  const double t = values_.thickness;
  CTotals totals;
  // In double: (A - t)(B - t)H passes 2^31 for any real camera.
  totals.volume = (values_.lengthA - t) * (values_.lengthB - t) * static_cast<double>(values_.innerHeight) / 1e9;
  if (values_.thickness == kThickness80) {
    totals.volumeDiscount = totals.volume <= kDiscountVolume ? 0.0 : prices_.Get(PriceEntry::kVolumeDiscount80);
  } else {
    totals.volumeDiscount = totals.volume >= kDiscountVolume ? prices_.Get(PriceEntry::kVolumeDiscount100) : 0.0;
  }
  double total = MarkupFactor() * sums_.standardSum + sums_.extrasSum;
  total -= total * totals.volumeDiscount;
  const double dealer = prices_.Get(PriceEntry::kDealerDiscount);
  if (applyDealerDiscount && dealer > 0.0 && dealer < 1.0) {
    totals.dealerDiscount = dealer;
    total -= total * dealer;
  }
  totals.euro = euro;
  if (euro) {
    const double rate = prices_.Get(PriceEntry::kEuroRate);
    if (rate != 0.0) {
      total /= rate;
      totals.euroRate = rate;
    } else {
      totals.euroRateMissing = true;
    }
  }
  totals.total = total;
  return totals;
}

std::vector<FloorPanelTally> SplitLongPanels(std::span<const FloorPanelTally> ceiling, int32_t thickness) {
  const int64_t limit = kMaxFlatPanelLength + 2 * static_cast<int64_t>(thickness);
  std::vector<FloorPanelTally> split(ceiling.begin(), ceiling.end());
  if (limit <= 0) return split;
  for (FloorPanelTally& group : split) {
    if (group.length <= limit) continue;
    // The smallest n from 2 up with length / n below the limit.
    const int64_t n = std::max<int64_t>(2, group.length / limit + 1);
    group.length = static_cast<int32_t>(group.length / n);
    group.count = SaturatingProduct(group.count, n);
  }
  return split;
}

double InnerVolume(std::span<const FloorPanelTally> ceiling, const CCameraValues& values) {
  return InnerVolumeFromCeiling(ceiling, values.lengthA, values.lengthB, values.thickness, values.innerHeight);
}

CCameraPricing PriceCamera(const CPriceTable& prices, const CCameraValues& values, const CCameraInput& input,
                           PricingMode mode) {
  const bool priceList = mode == PricingMode::PriceList;
  CCameraPricing result;
  CPriceCalculator calc(prices, values, input.euroNoVat, result.sums);

  for (const WallPanelTally& group : input.walls) {
    if (group.isDoor != 1) result.wallRows.push_back(calc.AddWallGroup(group, priceList));
  }
  for (const WallPanelTally& group : input.partitions) {
    if (group.isDoor != 1) result.partitionRows.push_back(calc.AddWallGroup(group, priceList));
  }
  result.cornerPosts = calc.AddCornerPosts(input.cornerPostCount);

  result.volumeAsPassed = InnerVolume(input.ceiling, values);
  std::vector<FloorPanelTally> flat(input.ceiling.begin(), input.ceiling.end());
  if (!priceList) flat = SplitLongPanels(input.ceiling, values.thickness);
  result.volumeAfterSplit = InnerVolume(flat, values);
  for (const FloorPanelTally& group : flat) {
    if (group.kind != kPanelGroupFloor) {
      result.ceilingRows.push_back(calc.AddCeilingGroup(group.count, group.width, group.length));
    }
  }
  if (!input.noFloor) {
    for (const FloorPanelTally& group : flat) {
      if (group.kind != kPanelGroupCeiling) {
        result.floorRows.push_back(calc.AddFloorGroup(group.count, group.width, group.length));
      }
    }
  }

  std::vector<COverDoorPanel> overDoor;
  for (const WallPanelTally& item : input.walls) {
    if (item.isDoor == 0) continue;
    if (auto door = calc.AddDoor(item, overDoor)) result.wallDoors.push_back(*door);
  }
  for (const WallPanelTally& item : input.partitions) {
    if (item.isDoor == 0) continue;
    if (auto door = calc.AddDoor(item, overDoor)) result.partitionDoors.push_back(*door);
  }
  for (const COverDoorPanel& panel : overDoor) result.overDoorPanels.push_back(calc.AddOverDoorPanel(panel));
  result.doorKits = calc.AddDoorKits();
  result.totals = calc.Totals(!priceList, input.euroNoVat);
  result.markupFactor = calc.MarkupFactor();
  result.vatRate = calc.Vat();
  return result;
}
