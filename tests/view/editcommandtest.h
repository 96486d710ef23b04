#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include "cameradocument.h"
#include "chamber.h"
#include "childview.h"
#include "commandids.h"
#include "controlids.h"
#include "dialogtestutil.h"
#include "editlogtesthelpers.h"
#include "editop.h"
#include "editrecord.h"
#include "languageentries.h"
#include "testsupport.h"
#include "viewtesthelpers.h"

// A camera window driven as the user drives it, for the editing commands:
// commands by number, dialogs by control number, clicks in pixels.
class EditCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadShippedLanguage(); }

  // Inner sizes as the new camera dialog hands them on; 80 mm walls.
  void Create(int32_t width = 2920, int32_t depth = 1920, int32_t height = 2040, bool locked = false) {
    ASSERT_TRUE(view.CreateCamera(QStringLiteral("K"), QString(), width, depth, height, 80, false, locked));
  }
  const EditRecord& LastRecord() const { return view.Document().Log().back(); }
  size_t LogSize() const { return view.Document().Log().size(); }
  void Click(QPoint at) { QTest::mouseClick(&view, Qt::LeftButton, {}, at); }
  void Apply(const EditRecord& record) { ASSERT_TRUE(view.ApplyEdit(record)); }
  // Right-clicks panel `panel` of outline wall `wall` (selecting it) and
  // gives back the context menu's number.
  int PickPanel(int wall, int panel) { return view.ContextMenuFor(PixelOnPanel(view, wall, panel)); }
  std::string State() const { return CameraState(view.Document()); }

  // What every recorded command promises: `command` appends exactly one
  // record, of code `op`; the screen and a reload agree; undo gives the
  // camera before the command back and redo the one after.
  void ExpectRecorded(int32_t op, const std::function<void()>& command) {
    const std::string before = State();
    const size_t logBefore = LogSize();
    command();
    ASSERT_EQ(LogSize(), logBefore + 1);
    EXPECT_EQ(LastRecord().op, op);
    const std::string after = State();
    CCameraDocument reloaded;
    reloaded.LoadBytes(view.Document().SaveBytes());
    EXPECT_EQ(CameraState(reloaded), after) << "op " << op << " replays differently";
    view.RunCommand(Cmd::kUndo);
    EXPECT_EQ(State(), before) << "undo of op " << op;
    view.RunCommand(Cmd::kRedo);
    EXPECT_EQ(State(), after) << "redo of op " << op;
  }

  CScratchDir scratch;
  CScopedCurrentDir inScratch{scratch.Path()};
  CMessageRecorder messages;
  CScriptedHost host;
  CChildView view;
};
