#pragma once

#include <cstdint>
#include <optional>

#include "geometry.h"
#include "pixelmapping.h"

class CChamber;

// Choosing an origin and a scale that show the whole plan: the window's
// "fit to window", the command line's --fit, and a print zoom that keeps the
// printed plan on its page.

// Room left free around the fitted plan, pixels: for the texts that stand
// beyond the points the bounds know (they start there and run on in pixels,
// whatever the scale) and, at the top, for the header lines.
struct FitMargins {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// The margins of the window's drawing: the header lines take the top 90
// pixels; the dimension texts run up to a dozen pixels past their points.
inline constexpr FitMargins kScreenFitMargins{30, 100, 30, 30};

// The model rectangle (mm, in order) that holds what the plan draws at model
// positions: the outline segments with room for their door symbols and
// labels, the partitions, the floor strips, and every dimension chain with
// its dots and the points where its texts start. None for a camera with no
// outline and no partitions.
std::optional<ModelRect> PlanBounds(const CChamber& camera);

// The mapping that shows `bounds` as large as the scale's range allows
// inside a canvas of width x height pixels less the margins, centred there.
// None when no room is left inside the margins.
std::optional<CPixelMapping> FitMapping(const ModelRect& bounds, int32_t width, int32_t height,
                                        const FitMargins& margins);

// The mapping that shows the camera's plan on a canvas with
// kScreenFitMargins. None for a camera with nothing to show or a canvas too
// small.
std::optional<CPixelMapping> FitPlanToCanvas(const CChamber& camera, int32_t width, int32_t height);

// The print zoom (rounded down to hundredths, at least 0.01) that keeps the
// printed plan inside a page of pageWidth x pageHeight pixels less the
// margins, given the fixed print origin and a scale of
// pageWidth / width * 0.7 * zoom. None for a camera with nothing to show or
// no width.
std::optional<double> PrintZoomToFit(const CChamber& camera, int32_t pageWidth, int32_t pageHeight,
                                     const FitMargins& margins);
