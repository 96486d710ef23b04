#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pricetable.h"
#include "zamo_abi.h"

// The arithmetic that turns a camera's panel groups, doors and openings into
// one price. Lengths are millimetres, areas square metres, amounts roubles
// until the euro division of the total.

// The camera a report prices: inner height H, the two plan lengths A and B
// and the wall thickness t (80 or 100; any other value prices as 100).
struct CCameraValues {
  int32_t innerHeight = 0;
  int32_t lengthA = 0;
  int32_t lengthB = 0;
  int32_t thickness = 0;
};

// Value added tax of rouble reports; euro reports are without it.
inline constexpr double kVatRate = 0.18;

// Standard inner heights of wall panels.
inline constexpr int32_t kStandardHeights[] = {2040, 2300, 2560};

enum class DoorKind { Container, Sliding, Swing, Opening };
inline constexpr int kDoorKitKinds = 3;  // container, sliding, swing

// The running sums of one report: panel, post, over-door and door-kit
// amounts (with tax) in standardSum, door and opening prices (without tax
// and margins) in extrasSum, and the doors met, by kit kind.
struct CPriceSums {
  double standardSum = 0.0;
  double extrasSum = 0.0;
  int32_t doorKitCounts[kDoorKitKinds] = {0, 0, 0};

  void Clear() { *this = CPriceSums{}; }
};

// One priced row of panels (wall, partition, corner posts, ceiling, floor).
struct CPanelRow {
  int32_t count = 0;
  int32_t width = 0;
  int32_t length = 0;       // wall rows: the camera's inner height
  bool standard = true;
  bool countsAsDoor = false;  // a wall group that is also a door item
  double coefficient = 1.0;
  double area = 0.0;    // of one panel
  double amount = 0.0;  // of the whole group, tax included
};

// One door or opening with what it brought along.
struct CDoorItem {
  DoorKind kind = DoorKind::Opening;
  int32_t count = 0;
  int32_t width = 0;
  int32_t height = 0;  // of the door leaf or the opening; 0 where unknown
  double price = 0.0;  // each, into extrasSum
  bool hasSidePanels = false;
  int32_t sideWidths[2] = {0, 0};
  double sideAmounts[2] = {0.0, 0.0};
};

struct COverDoorPanel {
  int32_t count = 0;
  int32_t width = 0;
  int32_t height = 0;
  double area = 0.0;
  double amount = 0.0;
};

struct CDoorKitRow {
  DoorKind kind = DoorKind::Container;
  int32_t count = 0;
  double amount = 0.0;
};

struct CTotals {
  double volume = 0.0;          // (A - t)(B - t)H, m³
  double volumeDiscount = 0.0;  // fraction taken off
  double dealerDiscount = 0.0;  // fraction taken off, 0 when not applied
  double total = 0.0;
  bool euro = false;
  bool euroRateMissing = false;  // a euro total was asked with no rate: total stays in roubles
  double euroRate = 0.0;         // roubles per euro the total was divided by
};

// Whether a report can show these totals. Prices within the table's limits
// still overflow with, say, a euro rate of 1e-300; such a total is no price.
bool IsFiniteTotal(const CTotals& totals, const CPriceSums& sums);

// Prices the groups of one camera (or of one panel report) into `sums`.
class CPriceCalculator {
 public:
  CPriceCalculator(const CPriceTable& prices, const CCameraValues& values, bool euroNoVat, CPriceSums& sums);

  double Vat() const { return vat_; }
  // Price per m² of panel family 2 (walls), 4 (ceiling) or 6 (floor) for t.
  double PanelPrice(int family80) const;

  // A wall or partition panel group; in the price list every group counts as
  // standard. The group's own length is not read: walls are H high.
  CPanelRow AddWallGroup(const WallPanelTally& group, bool priceListMode);
  // The camera's corner posts, H high each; a count of 0 prices nothing.
  CPanelRow AddCornerPosts(int32_t count);
  CPanelRow AddCeilingGroup(int32_t count, int32_t width, int32_t length);
  CPanelRow AddFloorGroup(int32_t count, int32_t width, int32_t length);
  // A door or opening (flag byte not 0). Appends its over-door panel, if it
  // leaves one, to `overDoor`. Kinds other than doors and openings are not
  // priced.
  std::optional<CDoorItem> AddDoor(const WallPanelTally& item, std::vector<COverDoorPanel>& overDoor);
  COverDoorPanel AddOverDoorPanel(const COverDoorPanel& panel);
  // The kit of every door kind met, in container, sliding, swing order.
  std::vector<CDoorKitRow> AddDoorKits();

  // The total of the sums: margins, volume discount, then the dealer
  // discount (when asked and 0 < discount < 1), then the euro rate.
  CTotals Totals(bool applyDealerDiscount, bool euro) const;
  // (1 + dealer markup)(1 + margin): what the panel, post, over-door and kit
  // amounts are multiplied by in the total; doors and openings are not.
  double MarkupFactor() const;

 private:
  CPanelRow AddFlatGroup(int32_t count, int32_t width, int32_t length, int family80);

  const CPriceTable& prices_;
  CCameraValues values_;
  double vat_;
  CPriceSums& sums_;
};

// The long ceiling and floor panels cut into equal pieces shorter than
// 5400 + 2t (a group of count c and length L becomes c·n pieces of L / n).
std::vector<FloorPanelTally> SplitLongPanels(std::span<const FloorPanelTally> ceiling, int32_t thickness);

// The camera's inner volume in m³ from its ceiling panels.
double InnerVolume(std::span<const FloorPanelTally> ceiling, const CCameraValues& values);

// Everything one camera report or price-list camera shows and costs.
struct CCameraInput {
  std::span<const WallPanelTally> walls;
  std::span<const WallPanelTally> partitions;
  std::span<const FloorPanelTally> ceiling;
  int32_t cornerPostCount = 0;
  bool noFloor = false;
  bool euroNoVat = false;
};

enum class PricingMode {
  CameraReport,  // long panels split, standard test made, dealer discount applied
  PriceList,     // ceiling list as passed, every wall panel standard, list price
};

struct CCameraPricing {
  std::vector<CPanelRow> wallRows;
  std::vector<CPanelRow> partitionRows;
  CPanelRow cornerPosts;
  std::vector<CPanelRow> ceilingRows;
  std::vector<CPanelRow> floorRows;
  std::vector<CDoorItem> wallDoors;
  std::vector<CDoorItem> partitionDoors;
  std::vector<COverDoorPanel> overDoorPanels;
  std::vector<CDoorKitRow> doorKits;
  double volumeAsPassed = 0.0;    // from the ceiling list as given
  double volumeAfterSplit = 0.0;  // from the list the rows were priced from
  CPriceSums sums;
  CTotals totals;
  // What the panel, post, over-door and kit amounts are multiplied by on
  // their way to the total: the dealer markup and the margin.
  double markupFactor = 1.0;
  double vatRate = 0.0;  // included in those amounts
};

CCameraPricing PriceCamera(const CPriceTable& prices, const CCameraValues& values, const CCameraInput& input,
                           PricingMode mode);
