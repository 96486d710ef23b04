#include "chamber.h"

#include <algorithm>

#include "listaccess.h"
#include "modellimits.h"

using model_limits::kMaxLength;
using model_limits::SaturateInt32;

CChamber::CChamber() {
  left_.SetCamera(this);
  right_.SetCamera(this);
  bottom_.SetCamera(this);
  top_.SetCamera(this);
}

CChamber::~CChamber() = default;

bool CChamber::Create(int32_t width, int32_t depth, int32_t height, int32_t thickness, EditRefusal* why) {
  if (!walls_.empty()) return Refuse(why, EditRefusal::kNotEmpty);
  if (thickness < 1 || height < 0) return Refuse(why, EditRefusal::kBadArgument);
  if (width > kMaxLength || depth > kMaxLength || height > kMaxLength)
    return Refuse(why, EditRefusal::kBeyondLimits);
  if (width <= thickness || depth <= thickness) return Refuse(why, EditRefusal::kRunWouldVanish);

  ResetDefaults();
  struct Side {
    int32_t length;
    Orientation orientation;
    CSizes* sizes;
  };
  const Side sides[] = {
      {width - thickness, Orientation::kHorizontal, &top_},
      {depth - thickness, Orientation::kVertical, &right_},
      {thickness - width, Orientation::kHorizontal, &bottom_},
      {thickness - depth, Orientation::kVertical, &left_},
  };
  for (const Side& side : sides) {
    auto wall = std::make_unique<CWallCollection>();
    wall->InitWithCorner(side.length, thickness, this, side.orientation);
    side.sizes->AddWall(wall.get());
    walls_.push_back(std::move(wall));
  }
  height_ = height;
  createdHeight_ = height;
  storedView_ = CPixelMapping();
  thickness_ = thickness;
  width_ = width;
  depth_ = depth;
  RebuildFloor();
  dimensionOffset_ = kDefaultDimensionOffset;
  labelOffset_ = kDefaultLabelOffset;
  return true;
}

void CChamber::ResetDefaults() {
  left_.SetCamera(this);
  right_.SetCamera(this);
  bottom_.SetCamera(this);
  top_.SetCamera(this);
  height_ = 0;
  storedView_ = CPixelMapping();
  thickness_ = 0;
  width_ = depth_ = createdHeight_ = 0;
}

CWallCollection* CChamber::WallAt(int index) { return list_access::OwnedAt(walls_, index); }

const CWallCollection* CChamber::WallAt(int index) const { return list_access::OwnedAt(walls_, index); }

int CChamber::IndexOfWall(const CWallCollection* wall) const { return list_access::IndexOfOwned(walls_, wall); }

std::vector<ModelPoint> CChamber::WallStarts() const {
  std::vector<ModelPoint> starts;
  starts.reserve(walls_.size());
  int64_t x = 0;
  int64_t y = 0;
  for (const auto& wall : walls_) {
    starts.push_back({SaturateInt32(x), SaturateInt32(y)});
    (wall->IsVertical() ? y : x) += wall->ExtendedLength();
  }
  return starts;
}

ModelPoint CChamber::WallStart(int index) const {
  if (index < 0 || index >= WallCount()) return {};
  int64_t x = 0;
  int64_t y = 0;
  for (int i = 0; i < index; ++i) {
    const CWallCollection& wall = *walls_[static_cast<size_t>(i)];
    (wall.IsVertical() ? y : x) += wall.ExtendedLength();
  }
  return {SaturateInt32(x), SaturateInt32(y)};
}

void CChamber::GetWallStart(int index, int32_t* x, int32_t* y, int32_t* extendedLength) const {
  const ModelPoint start = WallStart(index);
  if (x) *x = start.x;
  if (y) *y = start.y;
  if (extendedLength && index >= 0 && index < WallCount())
    *extendedLength = walls_[static_cast<size_t>(index)]->ExtendedLength();
}

bool CChamber::GetWallStartOf(const CWallCollection* wall, int32_t* x, int32_t* y, int32_t* extendedLength) const {
  const int index = IndexOfWall(wall);
  if (index < 0) return false;
  GetWallStart(index, x, y, extendedLength);
  return true;
}

ModelRect CChamber::WallRect(int index) const {
  const CWallCollection* wall = WallAt(index);
  if (!wall) return {};
  return SegmentRect(WallStart(index), wall->ExtendedLength(), wall->Thickness(), wall->GetOrientation());
}

int CChamber::CountWalls(Orientation orientation) const {
  const auto count = std::count_if(walls_.begin(), walls_.end(),
                                   [orientation](const auto& w) { return w->GetOrientation() == orientation; });
  return static_cast<int>(count) - 1;
}

int64_t CChamber::SumUpTo(const CWallCollection* wall, Orientation orientation) const {
  int64_t sum = 0;
  for (const auto& w : walls_) {
    if (w->GetOrientation() == orientation) sum += w->ExtendedLength();
    if (w.get() == wall) break;
  }
  return sum;
}

int64_t CChamber::SumVerticalUpTo(const CWallCollection* wall) const {
  return SumUpTo(wall, Orientation::kVertical);
}

int64_t CChamber::SumHorizontalUpTo(const CWallCollection* wall) const {
  return SumUpTo(wall, Orientation::kHorizontal);
}

namespace {

int64_t PositiveSum(const std::vector<std::unique_ptr<CWallCollection>>& walls, Orientation orientation) {
  int64_t sum = 0;
  for (const auto& w : walls)
    if (w->GetOrientation() == orientation && w->ExtendedLength() > 0) sum += w->ExtendedLength();
  return sum;
}

}  // namespace

bool CChamber::RecomputeDepth() {
  const int64_t depth = PositiveSum(walls_, Orientation::kVertical);
  if (depth > kMaxLength) return false;
  depth_ = static_cast<int32_t>(depth);
  return true;
}

bool CChamber::RecomputeWidth() {
  const int64_t width = PositiveSum(walls_, Orientation::kHorizontal);
  if (width > kMaxLength) return false;
  width_ = static_cast<int32_t>(width);
  return true;
}

bool CChamber::IsChainClosed() const {
  int64_t x = 0;
  int64_t y = 0;
  for (const auto& wall : walls_) (wall->IsVertical() ? y : x) += wall->ExtendedLength();
  return x == 0 && y == 0;
}

CPartition* CChamber::AddPartition(std::unique_ptr<CPartition> partition) {
  if (!partition || PartitionCount() >= model_limits::kMaxPartitions) return nullptr;
  partitions_.push_back(std::move(partition));
  return partitions_.back().get();
}

bool CChamber::DeletePartition(const CPartition* partition) {
  const int index = IndexOfPartition(partition);
  if (index < 0) return false;
  partitions_.erase(partitions_.begin() + index);
  return true;
}

CPartition* CChamber::PartitionAt(int index) { return list_access::OwnedAt(partitions_, index); }

const CPartition* CChamber::PartitionAt(int index) const { return list_access::OwnedAt(partitions_, index); }

int CChamber::IndexOfPartition(const CWallCollection* partition) const {
  return list_access::IndexOfOwned(partitions_, partition);
}

void CChamber::FillAllWalls() {
  for (auto& wall : walls_) wall->AutoFill();
}

namespace {

bool SetRunPanelDoor(CWallCollection* run, int panelIndex, int32_t kind, int32_t doorVariant, int32_t openingHeight,
                     EditRefusal* why) {
  if (!run) return Refuse(why, EditRefusal::kNoSuchWall);
  CWallPanel* panel = run->PanelAt(panelIndex);
  if (!panel) return Refuse(why, EditRefusal::kNoSuchPanel);
  if (!IsValidPanelKind(kind) || doorVariant < 0 || doorVariant > kMaxDoorVariant)
    return Refuse(why, EditRefusal::kBadArgument);
  if (kind == kOpening && (openingHeight < 0 || openingHeight > kMaxLength))
    return Refuse(why, EditRefusal::kBadArgument);
  // The window never puts these doors on an end panel; a file that does
  // would price side panels that are not there.
  if (IsSideDoorKind(kind) && (panelIndex == 0 || panelIndex == run->PanelCount() - 1))
    return Refuse(why, EditRefusal::kDoorAtRunEnd);
  panel->SetKind(kind);
  panel->SetDoorVariant(doorVariant);
  panel->SetOpeningHeight(openingHeight);
  return true;
}

}  // namespace

bool CChamber::SetPanelDoor(int wallIndex, int panelIndex, int32_t kind, int32_t doorVariant,
                            int32_t openingHeight, EditRefusal* why) {
  return SetRunPanelDoor(WallAt(wallIndex), panelIndex, kind, doorVariant, openingHeight, why);
}

bool CChamber::SetPartitionPanelDoor(int partitionIndex, int panelIndex, int32_t kind, int32_t doorVariant,
                                     int32_t openingHeight, EditRefusal* why) {
  return SetRunPanelDoor(PartitionAt(partitionIndex), panelIndex, kind, doorVariant, openingHeight, why);
}

CFloorStrip* CChamber::FloorStripAt(int index) { return list_access::OwnedAt(floorStrips_, index); }

const CFloorStrip* CChamber::FloorStripAt(int index) const { return list_access::OwnedAt(floorStrips_, index); }

int CChamber::IndexOfFloorStrip(const CFloorStrip* strip) const {
  return list_access::IndexOfOwned(floorStrips_, strip);
}
