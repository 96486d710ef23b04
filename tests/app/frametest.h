#pragma once

#include <gtest/gtest.h>

#include <QSettings>

#include <memory>

#include "childframe.h"
#include "childview.h"
#include "dialogtestutil.h"
#include "mainframe.h"
#include "settings.h"
#include "testsupport.h"
#include "viewtesthelpers.h"

// A shown main window in a scratch folder, with the messages and dialogs
// answered by the test; the settings start empty, so that no case sees the
// recent files or choices of another run in the same process.
class CFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadShippedLanguage();
    OpenZamoSettings()->clear();
    Restart();
  }
  void TearDown() override {
    if (frame)
      for (CChildFrame* child : frame->Children()) child->SetCloseConfirmed(true);
  }
  // A new main window, as after quitting and starting the program again.
  void Restart() {
    TearDown();
    frame = std::make_unique<CMainFrame>();
    frame->show();
  }
  // A camera window holding the everyday camera, changed and not saved.
  CChildFrame* CameraWindow(const QString& article) {
    CChildFrame* child = frame->NewCameraWindow();
    child->View()->CreateCamera(article, QString(), 2920, 1920, 2040, 80, false, false);
    return child;
  }

  CScratchDir scratch;
  CScopedCurrentDir inScratch{scratch.Path()};
  CMessageRecorder messages;
  CScriptedHost host;
  std::unique_ptr<CMainFrame> frame;
};
