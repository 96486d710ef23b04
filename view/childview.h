#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "cameradocument.h"
#include "planrenderer.h"
#include "viewselection.h"
#include "viewtool.h"

class QDialog;

// The camera window: one camera and its edit log (a CCameraDocument), shown
// as the plan in millimetres. It paints the plan, zooms about the pointer
// with the wheel and the + and - keys, pans with Ctrl held and with the
// arrow keys, hands left clicks to the mouse mode that is on (with no mode
// on, a left click selects), picks what a right click hits and offers that
// thing's context menu, draws what is selected highlighted, and runs
// commands by number (commandtable.h).
class CChildView : public QWidget {
  Q_OBJECT

 public:
  explicit CChildView(QWidget* parent = nullptr);
  ~CChildView() override;

  CCameraDocument& Document() { return document_; }
  const CCameraDocument& Document() const { return document_; }
  CChamber& Camera() { return document_.Camera(); }
  const CChamber& Camera() const { return document_.Camera(); }
  CViewSelection& Selection() { return selection_; }

  // ---- commands -----------------------------------------------------------

  // Runs camera window command `command`; false when the window has none of
  // that number.
  bool RunCommand(int command);
  static bool HasCommand(int command);
  // Where the commands chosen in this window's context menus go; RunCommand
  // when nothing else is set (the main window routes them through its own
  // dispatch).
  void SetCommandDispatch(std::function<void(int)> dispatch) { dispatch_ = std::move(dispatch); }

  // ---- the document ---------------------------------------------------------

  // The new camera: article, description (UTF-16, as the dialog gave
  // them), the inner sizes, thickness and the two flags. False, with the
  // window unchanged, when the document refuses.
  bool CreateCamera(const QString& article, const QString& description, int32_t width, int32_t depth,
                    int32_t height, int32_t thickness, bool noFloor, bool geometryLocked);
  // Loads a camera file into this window. On failure the user is told
  // (Lang::kCameraFileCannotOpen, kLoadCameraFailedCaption) and the window
  // keeps its camera.
  bool OpenFile(const QString& path);
  // Saves into `path`; on failure the user is told (Lang::kCameraFileCannotOpen,
  // kErrorCaption).
  bool SaveTo(const QString& path);
  // The file last loaded or saved, or empty.
  QString FilePath() const { return filePath_; }

  // Performs and records one edit. When the model refuses, the user is
  // told why and nothing is recorded. A window without a camera records
  // nothing and says nothing.
  bool ApplyEdit(const EditRecord& record);
  // Tells the window that its document changed: after Undo, Redo or any
  // change made to the camera outside ApplyEdit. Selections of a rebuilt
  // camera are dropped, then the window redraws and reports the change.
  void DocumentChanged();

  // With unsaved changes, asks whether to save them (Yes saves, No drops,
  // Cancel keeps everything). True when the caller may go on.
  bool MaySave();

  // The window's title: the article, else the file's name, else
  // Lang::kCameraTitle.
  QString Title() const;

  // ---- modes and dialogs ----------------------------------------------------

  void StartMode(ViewMode mode, std::unique_ptr<CViewTool> tool);
  void EndMode(ViewMode mode);
  bool IsModeOn(ViewMode mode) const;
  // The tool of a mode that is on, or null.
  CViewTool* Tool(ViewMode mode) const;
  // Runs a modal dialog through the dialog host (dialoghost.h).
  int RunDialog(QDialog& dialog);

  // ---- view -------------------------------------------------------------------

  // How the window draws its camera: the mapping that zoom and pan change,
  // and the screen's drawing set. The camera's stored origin and scale
  // follow every change of the mapping, so that a save writes where the
  // window stands; the mapping follows the camera after every change of the
  // document (a load sets them, a move of the last wall shifts the origin).
  const CPlanRenderer& Renderer() const { return renderer_; }
  const CPixelMapping& Mapping() const { return renderer_.Mapping(); }
  // Shows the plan through `mapping` (zoom, pan, scrolling, fit).
  void SetMapping(const CPixelMapping& mapping);
  // Origin and scale that show the whole plan with its dimension chains.
  bool FitToWindow();
  // Chooses the context menu for a right click at `pixel` and selects what
  // was hit on the way; returns the menu's number (MenuId).
  int ContextMenuFor(QPoint pixel);
  // That menu, built, translated, popped up; the chosen command is run.
  void ShowContextMenu(QPoint pixel);
  // Mouse-wheel zoom about `pixel`: one step in or out.
  void ZoomAt(QPoint pixel, bool zoomIn);
  // Moves the plan by (dx, dy) pixels (the scroll arrows and the arrow keys).
  void PanBy(int dx, int dy);
  // Pixels the arrow keys move the plan.
  static constexpr int kKeyPanStep = 50;

  // Status bar texts: the pointer in mm, and what is selected.
  QString PositionText() const { return positionText_; }
  QString SelectionText() const;
  // What lies under the pointer, or how far the drag under way goes
  // (planstatus.h); empty when the pointer is over nothing or off the
  // window. Said again after every change, so it never speaks of what was.
  QString PointerText() const { return pointerText_; }
  // Says the status texts of the pointer again (PositionChanged).
  void UpdatePointerText();
  // Takes up the program's choice of outer or clear sizes (planstatus.h)
  // for the chains, the status bar and printing.
  void FollowInsideDimensions();

 Q_SIGNALS:
  // The document, the selection or a mode changed.
  void Changed();
  // The pointer moved over the plan: its position and PointerText(), or
  // nothing once it has left.
  void PositionChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // Arrows pan, + and - zoom about the middle, Esc ends the mouse modes.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LeftDown(QPoint pixel);
  void LeftUp(QPoint pixel);
  void AfterCameraReplaced();
  // A new or loaded camera that would not fit the window is fitted once the
  // window has its size.
  void FitWhenTooLarge();
  bool PlanFitsWindow() const;
  void PaintSelection(QPainter& painter) const;
  // The plan as the renderer draws it; kept as a picture while a tool
  // follows the pointer.
  void PaintPlan(QPainter& painter);

  CCameraDocument document_;
  CPlanRenderer renderer_;
  CViewSelection selection_;
  std::array<std::unique_ptr<CViewTool>, kViewModeCount> tools_;
  DrawingHeader header_;
  uint64_t generation_ = 0;
  bool fitPending_ = false;
  int wheelRemainder_ = 0;
  QString filePath_;
  QString positionText_;
  QString pointerText_;
  // What the kept picture of the plan was drawn for.
  struct PlanPictureKey {
    CPixelMapping mapping;
    QSize size;
    uint64_t generation = 0;
    size_t logSize = 0;
    bool inside = false;
    friend bool operator==(const PlanPictureKey&, const PlanPictureKey&) = default;
  };
  QImage planPicture_;
  PlanPictureKey planPictureKey_;
  QPoint pointer_;
  bool pointerOver_ = false;
  std::function<void(int)> dispatch_;
};
