// The 3-D window of a camera window: opened by its command, following the
// window's document, turned, zoomed and switched by mouse and keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>

#include "childview.h"
#include "dialogtestutil.h"
#include "commandids.h"
#include "editops.h"
#include "testsupport.h"
#include "view3dwidget.h"
#include "viewtesthelpers.h"

namespace {

class View3dTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadShippedLanguage(); }
  void Create() {
    ASSERT_TRUE(view.CreateCamera(QStringLiteral("КХ-3020"), QString(), 2920, 1920, 2040, 80, false, false));
  }
  CView3dWindow* Open() {
    view.RunCommand(Cmd::k3dView);
    return view.findChild<CView3dWindow*>();
  }
  static int Count(const CView3dWidget& picture, ScenePart part) {
    const auto& faces = picture.Scene().Faces();
    return static_cast<int>(std::count_if(faces.begin(), faces.end(), [part](const SceneFace& f) { return f.part == part; }));
  }

  CMessageRecorder messages;
  CScriptedHost host;
  CChildView view;
};

}  // namespace

TEST_F(View3dTest, OneWindowPerCameraFollowsEveryEditUndoAndRedo) {
  EXPECT_EQ(Open(), nullptr);  // nothing to show before the camera is made
  Create();
  CView3dWindow* window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Open(), window);
  EXPECT_EQ(view.findChildren<CView3dWindow*>().size(), 1);
  const CView3dWidget& picture = *window->Picture();
  EXPECT_EQ(Count(picture, ScenePart::kWallPanel), 0);

  ASSERT_TRUE(view.ApplyEdit(FillAllWallsRecord()));
  EXPECT_GT(Count(picture, ScenePart::kWallPanel), 0);
  ASSERT_TRUE(view.ApplyEdit(PanelDoorRecord(0, 1, kSwingDoorBlock, 1, 0)));
  EXPECT_EQ(Count(picture, ScenePart::kDoorLeaf), 1);

  view.RunCommand(Cmd::kUndo);
  EXPECT_EQ(Count(picture, ScenePart::kDoorLeaf), 0);
  view.RunCommand(Cmd::kRedo);
  EXPECT_EQ(Count(picture, ScenePart::kDoorLeaf), 1);
}

TEST_F(View3dTest, MouseAndKeysTurnZoomFitAndSwitchTheCeiling) {
  Create();
  CView3dWindow* window = Open();
  ASSERT_NE(window, nullptr);
  window->resize(640, 480);
  CView3dWidget& picture = *window->Picture();

  QTest::keyClick(&picture, Qt::Key_3);
  EXPECT_DOUBLE_EQ(picture.Viewpoint().azimuth, SceneViewpoint::Preset(3).azimuth);
  const SceneViewpoint before = picture.Viewpoint();
  QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(&picture, QPoint(150, 120));
  QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(150, 120));
  EXPECT_NE(picture.Viewpoint().azimuth, before.azimuth);
  EXPECT_GT(picture.Viewpoint().elevation, before.elevation);

  QWheelEvent wheel(QPointF(200, 200), picture.mapToGlobal(QPointF(200, 200)), {}, QPoint(0, 120), Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&picture, &wheel);
  EXPECT_GT(picture.Viewpoint().zoom, 1);
  QTest::keyClick(&picture, Qt::Key_F);
  EXPECT_DOUBLE_EQ(picture.Viewpoint().zoom, 1);
  EXPECT_DOUBLE_EQ(picture.Viewpoint().panX, 0);

  QAction* lid = window->findChild<QAction*>(QStringLiteral("lid"));
  ASSERT_NE(lid, nullptr);
  EXPECT_EQ(picture.Lid(), LidMode::kTransparent);
  QTest::keyClick(&picture, Qt::Key_L);
  EXPECT_EQ(picture.Lid(), LidMode::kLifted);
  EXPECT_FALSE(lid->isChecked());
  lid->trigger();
  EXPECT_EQ(picture.Lid(), LidMode::kTransparent);
}
