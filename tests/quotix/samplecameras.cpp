#include "samplecameras.h"

CCameraInput CSampleCamera::Input(bool noFloor, bool euroNoVat) const {
  CCameraInput input;
  input.walls = walls;
  input.partitions = partitions;
  input.ceiling = ceiling;
  input.cornerPostCount = cornerPostCount;
  input.noFloor = noFloor;
  input.euroNoVat = euroNoVat;
  return input;
}

void AddToTally(std::vector<WallPanelTally>& tally, const WallPanelTally& panel) {
  for (WallPanelTally& record : tally) {
    if (record.width == panel.width && record.kind == panel.kind && record.isDoor == panel.isDoor &&
        record.doorVariant == panel.doorVariant) {
      ++record.count;
      return;
    }
  }
  WallPanelTally record = panel;
  record.count = 1;
  tally.push_back(record);
}

std::vector<int32_t> AutoFillWidths(int32_t length) {
  std::vector<int32_t> widths;
  while (length > 0) {
    const int32_t width = length < 1200 ? length : 1200;
    widths.push_back(width);
    length -= width;
  }
  return widths;
}

std::vector<int32_t> DivideStrip(int32_t length, int32_t t) {
  int32_t first, last;
  if (length >= 2 * t + 1800) {
    first = last = t + 900;
    length -= 2 * t + 1800;
  } else if (length >= 2 * t + 1500) {
    first = t + 900;
    last = t + 600;
    length -= 2 * t + 1500;
  } else if (length >= 2 * t + 1200) {
    first = last = t + 600;
    length -= 2 * t + 1200;
  } else {
    return {};
  }
  std::vector<int32_t> widths{first};
  if (length >= 1) {
    for (int k = 4; k >= 1; --k) {
      while (length >= k * 300) {
        widths.push_back(k * 300);
        length -= k * 300;
      }
    }
    if (length > 0) {
      if (widths.back() == 1200) {
        widths.back() = 900;
        widths.push_back(length + 300);
      } else {
        widths.back() += length;
      }
    }
  }
  widths.push_back(last);
  return widths;
}

CSampleCamera MakeRectangularCamera(int32_t width, int32_t depth, int32_t height, int32_t thickness, bool swingDoor) {
  CSampleCamera camera;
  camera.values = {height, width, depth, thickness};
  const int32_t runs[] = {width, depth, width, depth};
  bool doorPlaced = !swingDoor;
  for (int32_t run : runs) {
    for (int32_t panelWidth : AutoFillWidths(run)) {
      WallPanelTally panel{};
      panel.width = panelWidth;
      panel.kind = panelWidth == 1200 ? 1 : 2;
      if (!doorPlaced) {
        panel.kind = kSwingDoorBlock;
        panel.isDoor = 1;
        panel.doorVariant = 1;
        doorPlaced = true;
      }
      AddToTally(camera.walls, panel);
    }
  }
  const int32_t stripLength = depth + thickness;
  for (int32_t panelWidth : DivideStrip(width + thickness, thickness)) {
    bool merged = false;
    for (FloorPanelTally& record : camera.ceiling) {
      if (record.width == panelWidth && record.length == stripLength) {
        ++record.count;
        merged = true;
      }
    }
    if (!merged) camera.ceiling.push_back({1, panelWidth, stripLength, 0, 0, 0, 0, 0});
  }
  return camera;
}

std::vector<CSampleCamera> PriceListColumn(int32_t height, int32_t thickness) {
  std::vector<CSampleCamera> cameras;
  for (const CPriceListCamera& size : PriceListColumnGrid(thickness == 80, height))
    cameras.push_back(MakeRectangularCamera(size.width, size.depth, height, thickness, true));
  return cameras;
}
