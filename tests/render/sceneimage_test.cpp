// The camera in 3-D as a picture: drawn through the painter surface with
// its panels' colours, and the canvas guard.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "chamber.h"
#include "printpage.h"
#include "sceneimage.h"

namespace {

bool Reddish(QRgb p) { return qRed(p) > 120 && qGreen(p) < 40 && qBlue(p) < 40; }

int CountPixels(const QImage& image, bool (*test)(QRgb)) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y));
  return n;
}

}  // namespace

TEST(SceneImageTest, NonStandardPanelsShowInTheirColourAndTheLidCoversTheInsideWhenLifted) {
  CChamber camera;
  // Wide and low: the floor shows over the near walls.
  ASSERT_TRUE(camera.Create(7000, 6000, 1500, 100));
  camera.FillAllWalls();  // every run ends in a panel of a non-standard width
  std::string problem;
  ScenePictureSettings settings;
  const QImage open = RenderSceneImage(camera, settings, QSize(600, 450), &problem);
  ASSERT_FALSE(open.isNull()) << problem;
  EXPECT_GT(CountPixels(open, Reddish), 500);
  settings.lid = LidMode::kLifted;
  const QImage lifted = RenderSceneImage(camera, settings, QSize(600, 450), &problem);
  ASSERT_FALSE(lifted.isNull()) << problem;
  // The floor, seen through the see-through ceiling, is under the lid.
  const auto floorish = [](QRgb p) { return qRed(p) > qBlue(p) + 15 && qGreen(p) > qBlue(p) + 10; };
  EXPECT_GT(CountPixels(open, floorish), 2 * CountPixels(lifted, floorish) + 100);
}

TEST(SceneImageTest, RefusedCanvasGivesAReasonAndNoPicture) {
  CChamber camera;
  ASSERT_TRUE(camera.Create(3000, 2000, 2200, 100));
  std::string problem;
  EXPECT_TRUE(RenderSceneImage(camera, {}, QSize(0, 100), &problem).isNull());
  EXPECT_FALSE(problem.empty());
}

TEST(SceneImageTest, PrintedPageCarriesThePictureInItsTitleBlock) {
  CChamber camera;
  ASSERT_TRUE(camera.Create(3000, 2000, 2200, 100));
  camera.FillAllWalls();
  PrintHeading heading;
  heading.picture = ScenePictureOf(camera);
  std::string problem;
  const std::optional<PrintPageLayout> layout = LayOutPrintPage(camera, heading, {}, 1754, 1240, 150, &problem);
  ASSERT_TRUE(layout) << problem;
  const QImage page = RenderPrintPageImage(camera, heading, {}, 150, &problem);
  ASSERT_FALSE(page.isNull()) << problem;
  const PixelRect& box = layout->pictureBox;
  ASSERT_GT(box.right - box.left, 20);
  // The title block's texts are black on white: colour there is the
  // picture's, and it stays in its box.
  int inside = 0, outside = 0;
  for (int y = 0; y < layout->titleBlock.bottom; ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QRgb p = page.pixel(x, y);
      if (qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) continue;
      (x >= box.left && x < box.right && y >= box.top && y < box.bottom ? inside : outside)++;
    }
  EXPECT_GT(inside, 100);
  EXPECT_EQ(outside, 0);
}
