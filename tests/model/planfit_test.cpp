// Fitting the plan to a canvas or a page: everything drawn at model
// positions lands inside, the room is used, and no room means no change.

#include <gtest/gtest.h>

#include "modellimits.h"
#include "modeltesthelpers.h"
#include "planfit.h"
#include "planrenderer.h"

namespace {

void ExpectInside(const CPixelMapping& m, const ModelRect& bounds, int32_t w, int32_t h, const FitMargins& margins) {
  EXPECT_GE(m.ToPixelX(bounds.Left()), margins.left);
  EXPECT_GE(m.ToPixelY(bounds.Top()), margins.top);
  EXPECT_LE(m.ToPixelX(bounds.Right()), w - margins.right);
  EXPECT_LE(m.ToPixelY(bounds.Bottom()), h - margins.bottom);
}

}  // namespace

TEST(PlanFitTest, BoundsHoldTheChainsAndTheDoorSymbols) {
  auto camera = MakeCamera(3000, 2000, 100);
  const std::optional<ModelRect> bounds = PlanBounds(*camera);
  ASSERT_TRUE(bounds.has_value());
  // Left chain dots at x = -860, the top's text at y = -890, the floor cut
  // chain's dots out to 3050 + 800 + 30, the bottom's dots to 2050 + 800.
  EXPECT_EQ(bounds->Left(), -890);
  EXPECT_EQ(bounds->Top(), -890);
  EXPECT_EQ(bounds->Right(), 3880);
  EXPECT_EQ(bounds->Bottom(), 2860);
  CChamber empty;
  EXPECT_FALSE(PlanBounds(empty).has_value());
}

TEST(PlanFitTest, FittedPlanFillsTheCanvasInsideTheMargins) {
  for (auto [w, h] : {std::pair{1920, 1080}, std::pair{400, 1200}, std::pair{200, 150}}) {
    auto camera = MakeCamera(3000, 2000, 100);
    const std::optional<CPixelMapping> fitted = FitPlanToCanvas(*camera, w, h);
    ASSERT_TRUE(fitted.has_value()) << w << "x" << h;
    const ModelRect bounds = *PlanBounds(*camera);
    const CPixelMapping& m = *fitted;
    ExpectInside(m, bounds, w, h, kScreenFitMargins);
    // One direction is filled to within a pixel or two of its margins.
    const int32_t slackX = (w - kScreenFitMargins.right) - m.ToPixelX(bounds.Right()) +
                           (m.ToPixelX(bounds.Left()) - kScreenFitMargins.left);
    const int32_t slackY = (h - kScreenFitMargins.bottom) - m.ToPixelY(bounds.Bottom()) +
                           (m.ToPixelY(bounds.Top()) - kScreenFitMargins.top);
    EXPECT_LE(std::min(slackX, slackY), 2) << w << "x" << h;
  }
}

TEST(PlanFitTest, CanvasWithoutRoomFitsNothing) {
  auto camera = MakeCamera(3000, 2000, 100);
  EXPECT_FALSE(FitPlanToCanvas(*camera, 60, 1000));
  EXPECT_FALSE(FitPlanToCanvas(*camera, 1000, 130));
  EXPECT_FALSE(FitPlanToCanvas(*camera, -5, -5));
  // A huge camera on a small canvas stops at the smallest scale.
  auto huge = MakeCamera(model_limits::kMaxLength, model_limits::kMaxLength, 100);
  const std::optional<CPixelMapping> fitted = FitPlanToCanvas(*huge, 200, 200);
  ASSERT_TRUE(fitted.has_value());
  EXPECT_DOUBLE_EQ(fitted->Scale(), CPixelMapping::kMinScale);
}

TEST(PlanFitTest, PrintZoomKeepsThePrintedPlanOnItsPage) {
  auto camera = MakeCamera(2920, 1920, 80);
  // An A4 landscape page at 300 pixels per inch.
  const int32_t w = 3508;
  const int32_t h = 2480;
  const FitMargins margins{60, 360, 60, 60};
  const std::optional<double> zoom = PrintZoomToFit(*camera, w, h, margins);
  ASSERT_TRUE(zoom.has_value());
  EXPECT_GT(*zoom, 0.3);
  EXPECT_LT(*zoom, 1.0);
  const std::optional<CPlanRenderer> printed = CPlanRenderer::ForPrint(*camera, w, 300, *zoom, 12.0);
  ASSERT_TRUE(printed.has_value());
  ExpectInside(printed->Mapping(), *PlanBounds(*camera), w, h, margins);
  CChamber empty;
  EXPECT_FALSE(PrintZoomToFit(empty, w, h, margins).has_value());
}
