#pragma once

#include <QMdiSubWindow>

class CChildView;
class QScrollBar;

// The frame of one camera window inside the main window: the view with a
// scroll bar on the right and one below. The bars carry no range; their
// line arrows move the plan by 50 pixels (up and left arrows move it down
// and right, as dragging the page would).
class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  static constexpr int kLineStep = 50;  // pixels per arrow click

  explicit CChildFrame(QWidget* parent = nullptr);

  CChildView* View() const { return view_; }
  QScrollBar* HorizontalBar() const { return horizontal_; }
  QScrollBar* VerticalBar() const { return vertical_; }

  // The unsaved-changes question was already answered for this window (the
  // program is quitting): close without asking again.
  void SetCloseConfirmed(bool confirmed) { closeConfirmed_ = confirmed; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void OnScrollAction(QScrollBar* bar, int action);
  void UpdateTitle();

  CChildView* view_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  bool closeConfirmed_ = false;
};
