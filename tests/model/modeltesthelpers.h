#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "chamber.h"

// A fresh rectangular camera with its reference rectangle width x depth.
inline std::unique_ptr<CChamber> MakeCamera(int32_t width = 3000, int32_t depth = 2000, int32_t thickness = 100,
                                            int32_t height = 2200) {
  auto camera = std::make_unique<CChamber>();
  EditRefusal why = EditRefusal::kNone;
  EXPECT_TRUE(camera->Create(width, depth, height, thickness, &why)) << EditRefusalName(why);
  return camera;
}

inline std::vector<int32_t> Lengths(const CChamber& camera) {
  std::vector<int32_t> lengths;
  for (int i = 0; i < camera.WallCount(); ++i) lengths.push_back(camera.WallAt(i)->Length());
  return lengths;
}

inline std::vector<int32_t> Widths(const CWallCollection& run) {
  std::vector<int32_t> widths;
  for (const CWallPanel& p : run.Panels()) widths.push_back(p.Width());
  return widths;
}

inline std::vector<int32_t> Kinds(const CWallCollection& run) {
  std::vector<int32_t> kinds;
  for (const CWallPanel& p : run.Panels()) kinds.push_back(p.Kind());
  return kinds;
}

inline std::vector<int32_t> Widths(const CFloorStrip& strip) {
  std::vector<int32_t> widths;
  for (const CFloorPanel& p : strip.Panels()) widths.push_back(p.Width());
  return widths;
}

inline std::vector<ModelPoint> Starts(const CChamber& camera) { return camera.WallStarts(); }

// Divides a run by the given widths exactly (no completion needed).
inline void Divide(CWallCollection& run, const std::vector<int32_t>& widths) {
  ASSERT_TRUE(run.DivideManually(widths, CWallCollection::Completion::kOneStep));
}
