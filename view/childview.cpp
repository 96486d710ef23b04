#include "childview.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "commandids.h"
#include "commandmenus.h"
#include "commandtable.h"
#include "dialoghost.h"
#include "editmessages.h"
#include "filecommands.h"
#include "languageentries.h"
#include "messages.h"
#include "painterdrawcontext.h"
#include "planfit.h"
#include "planimage.h"
#include "planstatus.h"
#include "settings.h"
#include "translatemenu.h"

namespace {

// A mouse wheel turns in notches of this many eighths of a degree; finer
// wheels and touch pads add up to a notch before the plan zooms.
constexpr int kWheelNotch = 120;

std::u16string ToUtf16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

QString FromUtf16(const std::u16string& text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

CChildView::CChildView(QWidget* parent) : QWidget(parent), header_(DrawingHeaderTexts()) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
  generation_ = document_.CameraGeneration();
  renderer_.SetInsideDimensions(InsideDimensionsShown());
}

CChildView::~CChildView() = default;

bool CChildView::HasCommand(int command) { return ViewCommands().Has(command); }

bool CChildView::RunCommand(int command) {
  const ViewCommandHandler* handler = ViewCommands().Find(command);
  if (!handler) return false;
  (*handler)(*this);
  return true;
}

bool CChildView::CreateCamera(const QString& article, const QString& description, int32_t width, int32_t depth,
                              int32_t height, int32_t thickness, bool noFloor, bool geometryLocked) {
  EditRefusal why = EditRefusal::kNone;
  if (!document_.CreateCamera(ToUtf16(article), ToUtf16(description), width, depth, height, thickness, noFloor,
                              geometryLocked, &why)) {
    ShowEditRefusal(why, this);
    return false;
  }
  fitPending_ = true;
  AfterCameraReplaced();
  FitWhenTooLarge();
  return true;
}

bool CChildView::OpenFile(const QString& path) {
  CameraFileReadResult read;
  if (const FileError error = document_.Load(LocalPath(path), &read)) {
    // A file that was read but is no camera file is named as such: telling
    // the user to check the file name and access would send them astray.
    if (CCameraDocument::HoldsNoCamera(error)) {
      ShowMessageText(UiText(Lang::kNotCameraFile).arg(QFileInfo(path).fileName()),
                      UiText(Lang::kLoadCameraFailedCaption), MessageButtons::Ok, this);
    } else {
      ShowMessage(Lang::kCameraFileCannotOpen, Lang::kLoadCameraFailedCaption, MessageButtons::Ok, this);
    }
    return false;
  }
  filePath_ = QFileInfo(path).absoluteFilePath();
  AddRecentFile(filePath_);
  fitPending_ = true;
  AfterCameraReplaced();
  FitWhenTooLarge();
  if (read.end != CameraFileEnd::kEndMarker) {
    // What could be read is on the screen; the user should know that a
    // save would write only that.
    ShowMessageText(UiText(Lang::kCameraFileDamaged),
                    LangText(Lang::kLoadCameraFailedCaption), MessageButtons::Ok, this);
  }
  return true;
}

bool CChildView::SaveTo(const QString& path) {
  if (const FileError error = document_.Save(LocalPath(path))) {
    ShowMessage(Lang::kCameraFileCannotOpen, Lang::kErrorCaption, MessageButtons::Ok, this);
    return false;
  }
  filePath_ = QFileInfo(path).absoluteFilePath();
  AddRecentFile(filePath_);
  Q_EMIT Changed();
  return true;
}

bool CChildView::ApplyEdit(const EditRecord& record) {
  // A window whose new camera dialog was cancelled has nothing to edit, and
  // a log without its creation record would build no camera.
  if (!document_.HasCamera()) return false;
  EditRefusal why = EditRefusal::kNone;
  if (!document_.Apply(record, &why)) {
    ShowEditRefusal(why, this);
    return false;
  }
  DocumentChanged();
  return true;
}

void CChildView::DocumentChanged() {
  if (document_.CameraGeneration() != generation_) {
    AfterCameraReplaced();
    return;
  }
  renderer_.SetMapping(Camera().StoredView());
  selection_.Refresh(Camera());
  update();
  UpdatePointerText();
  Q_EMIT Changed();
}

void CChildView::AfterCameraReplaced() {
  generation_ = document_.CameraGeneration();
  selection_.Clear();
  for (auto& tool : tools_)
    if (tool) tool->CameraReplaced();
  renderer_.SetMapping(Camera().StoredView());
  renderer_.SetScreenResolution(logicalDpiY());
  update();
  UpdatePointerText();
  Q_EMIT Changed();
}

bool CChildView::MaySave() {
  if (!document_.IsModified()) return true;
  const int answer =
      ShowMessageText(UiText(Lang::kSaveChangesQuestion).arg(Title()), QStringLiteral("Zamo"),
                      MessageButtons::YesNoCancel, this);
  if (answer == kMessageNo) return true;
  if (answer != kMessageYes) return false;
  return SaveCamera(*this);
}

QString CChildView::Title() const {
  const QString article = FromUtf16(document_.Article()).trimmed();
  if (!article.isEmpty()) return article;
  if (!filePath_.isEmpty()) return QFileInfo(filePath_).fileName();
  return UiText(Lang::kCameraTitle);
}

void CChildView::StartMode(ViewMode mode, std::unique_ptr<CViewTool> tool) {
  tools_[static_cast<size_t>(mode)] = std::move(tool);
  update();
  Q_EMIT Changed();
}

void CChildView::EndMode(ViewMode mode) {
  tools_[static_cast<size_t>(mode)].reset();
  update();
  UpdatePointerText();
  Q_EMIT Changed();
}

bool CChildView::IsModeOn(ViewMode mode) const { return tools_[static_cast<size_t>(mode)] != nullptr; }

CViewTool* CChildView::Tool(ViewMode mode) const { return tools_[static_cast<size_t>(mode)].get(); }

int CChildView::RunDialog(QDialog& dialog) { return DialogHost().Run(dialog); }

void CChildView::SetMapping(const CPixelMapping& mapping) {
  renderer_.SetMapping(mapping);
  Camera().StoredView() = mapping;
  update();
}

bool CChildView::FitToWindow() {
  const std::optional<CPixelMapping> fitted = FitPlanToCanvas(Camera(), width(), height());
  if (!fitted) return false;
  SetMapping(*fitted);
  return true;
}

void CChildView::ZoomAt(QPoint pixel, bool zoomIn) {
  CPixelMapping mapping = Mapping();
  if (mapping.ZoomAbout(pixel.x(), pixel.y(), zoomIn)) SetMapping(mapping);
}

void CChildView::PanBy(int dx, int dy) {
  CPixelMapping mapping = Mapping();
  const auto moved = [](int32_t origin, int step) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{origin} + step, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
  };
  mapping.SetOrigin(moved(mapping.OriginX(), dx), moved(mapping.OriginY(), dy));
  SetMapping(mapping);
}

int CChildView::ContextMenuFor(QPoint pixel) {
  CChamber& camera = Camera();
  CWallCollection* wall = nullptr;
  CWallPanel* panel = nullptr;
  if (camera.FindWallAt(Mapping(), pixel.x(), pixel.y(), &wall, &panel)) {
    selection_.SetWall(wall);
    selection_.SetPanel(wall, panel);
    selection_.SetPartition(nullptr);
    if (!panel) return MenuId::kUndividedWall;
    // A non-standard width comes first: a door that is too narrow or too
    // wide is fixed like any other panel.
    if (!panel->IsStandardWidth()) return MenuId::kNonStandardPanel;
    if (panel->IsDoor()) return MenuId::kDoorPanel;
    return MenuId::kPanel;
  }
  CPartition* partition = nullptr;
  panel = nullptr;
  if (camera.FindPartitionAt(Mapping(), pixel.x(), pixel.y(), &partition, &panel)) {
    selection_.SetPartition(partition);
    selection_.SetPanel(partition, panel);
    selection_.SetWall(nullptr);
    return panel ? MenuId::kPanel : MenuId::kPartition;
  }
  // A wall's number in a dimension chain picks that wall.
  if (const int dimensioned = FindDimensionWallAt(camera, Mapping(), InsideDimensionsShown(), pixel.x(), pixel.y());
      dimensioned >= 0) {
    selection_.Clear();
    selection_.SetWall(camera.WallAt(dimensioned));
    return MenuId::kDimension;
  }
  // A click on the floor leaves no wall, partition or panel chosen: the
  // status bar and the next command then speak of the floor only.
  CFloorStrip* strip = nullptr;
  camera.FindFloorStripAt(Mapping(), pixel.x(), pixel.y(), &strip);
  selection_.SetWall(nullptr);
  selection_.SetPartition(nullptr);
  selection_.ClearPanel();
  selection_.SetStrip(strip);
  return strip ? MenuId::kFloorStrip : MenuId::kFloor;
}

void CChildView::ShowContextMenu(QPoint pixel) {
  const int id = ContextMenuFor(pixel);
  Q_EMIT Changed();
  std::unique_ptr<QMenu> menu = BuildContextMenu(id, this);
  TranslateMenu(menu.get());
  // A panel of an outline wall: the wall's length can be typed there too.
  if (id != MenuId::kUndividedWall && id != MenuId::kDimension && selection_.WallIndex(Camera()) >= 0) {
    menu->addSeparator();
    AddCommandItem(*menu, Cmd::kSetWallLength, UiText(Lang::kMenuSetLength));
  }
  const QAction* chosen = DialogHost().PopUp(*menu, mapToGlobal(pixel));
  if (!chosen) return;
  const int command = chosen->data().toInt();
  menu.reset();
  if (dispatch_) {
    dispatch_(command);
  } else {
    RunCommand(command);
  }
}

QString CChildView::SelectionText() const {
  const CChamber& camera = Camera();
  QString text;
  if (const CWallCollection* wall = selection_.Wall()) {
    text = UiText(Lang::kStatusWall).arg(camera.IndexOfWall(wall) + 1).arg(std::abs(wall->Length()));
  } else if (const CPartition* partition = selection_.Partition()) {
    text = UiText(Lang::kStatusPartition)
               .arg(camera.IndexOfPartition(partition) + 1)
               .arg(std::abs(partition->Length()));
  } else if (const CFloorStrip* strip = selection_.Strip()) {
    return UiText(Lang::kStatusFloorStrip).arg(camera.IndexOfFloorStrip(strip) + 1);
  }
  if (const CWallPanel* panel = selection_.Panel()) {
    text += QStringLiteral(", ") + UiText(Lang::kStatusPanel).arg(selection_.PanelIndex() + 1).arg(panel->Width());
  }
  return text;
}

// ---- events -------------------------------------------------------------------

void CChildView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!document_.HasCamera()) return;
  PaintPlan(painter);
  PaintSelection(painter);
  for (const auto& tool : tools_)
    if (tool) tool->PaintOverlay(*this, painter);
}

void CChildView::PaintPlan(QPainter& painter) {
  bool following = false;
  for (const auto& tool : tools_) following = following || (tool && tool->FollowsPointer());
  if (!following) {
    planPicture_ = QImage();
    CPainterDrawContext dc(painter);
    renderer_.Draw(Camera(), dc, header_);
    return;
  }
  // While something follows the pointer the plan stays as it is: it is
  // drawn once and the moves only repaint what follows.
  const PlanPictureKey key{Mapping(), size(), document_.CameraGeneration(), document_.Log().size(),
                           renderer_.InsideDimensions()};
  if (planPicture_.isNull() || !(key == planPictureKey_)) {
    planPicture_ = QImage(size() * devicePixelRatio(), QImage::Format_RGB32);
    planPicture_.setDevicePixelRatio(devicePixelRatio());
    planPicture_.fill(Qt::white);
    QPainter picture(&planPicture_);
    CPainterDrawContext dc(picture);
    renderer_.Draw(Camera(), dc, header_);
    planPictureKey_ = key;
  }
  painter.drawImage(0, 0, planPicture_);
}

void CChildView::PaintSelection(QPainter& painter) const {
  // A translucent band over the selected wall or partition and a frame
  // around the selected panel: the plan stays readable under them.
  const auto pixelRect = [this](const ModelRect& body) {
    const PixelPoint a = Mapping().ToPixel({body.Left(), body.Top()});
    const PixelPoint b = Mapping().ToPixel({body.Right(), body.Bottom()});
    return QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized();
  };
  const CChamber& camera = Camera();
  const QColor highlight(0, 120, 215);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(highlight.red(), highlight.green(), highlight.blue(), 60));
  if (const int wall = selection_.WallIndex(camera); wall >= 0) {
    painter.drawRect(pixelRect(camera.WallRect(wall)).adjusted(-2, -2, 2, 2));
  } else if (const CPartition* partition = selection_.Partition()) {
    painter.drawRect(pixelRect(partition->Rect()).adjusted(-2, -2, 2, 2));
  }
  const CWallCollection* run = selection_.PanelOwner();
  if (!selection_.Panel() || !run) return;
  const int wall = camera.IndexOfWall(run);
  const auto* partition = dynamic_cast<const CPartition*>(run);
  if (wall < 0 && !partition) return;
  // The panel's start: the run's start moved along the run by the widths of
  // the panels before it.
  ModelPoint start = wall >= 0 ? camera.WallStart(wall) : partition->Start();
  int64_t along = 0;
  for (int i = 0; i <= selection_.PanelIndex(); ++i) along += run->PanelStep(i);
  const int32_t width = run->PanelStep(selection_.PanelIndex() + 1);
  const auto shifted = [](int32_t value, int64_t by) {
    return static_cast<int32_t>(std::clamp<int64_t>(value + by, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
  };
  if (run->IsVertical()) {
    start.y = shifted(start.y, along);
  } else {
    start.x = shifted(start.x, along);
  }
  painter.setPen(QPen(highlight, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(pixelRect(SegmentRect(start, width, run->Thickness(), run->GetOrientation())).adjusted(-2, -2, 2, 2));
}

void CChildView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitWhenTooLarge();
}

void CChildView::FitWhenTooLarge() {
  if (!fitPending_ || !isVisible() || width() < 2 || height() < 2) return;
  fitPending_ = false;
  if (document_.HasCamera() && !PlanFitsWindow()) FitToWindow();
}

bool CChildView::PlanFitsWindow() const {
  const std::optional<ModelRect> bounds = PlanBounds(Camera());
  if (!bounds) return true;
  const PixelPoint a = Mapping().ToPixel({bounds->Left(), bounds->Top()});
  const PixelPoint b = Mapping().ToPixel({bounds->Right(), bounds->Bottom()});
  return a.x >= 0 && a.y >= 0 && b.x < width() && b.y < height();
}

void CChildView::wheelEvent(QWheelEvent* event) {
  wheelRemainder_ += event->angleDelta().y();
  const QPoint at = event->position().toPoint();
  while (wheelRemainder_ >= kWheelNotch) {
    wheelRemainder_ -= kWheelNotch;
    ZoomAt(at, true);
  }
  while (wheelRemainder_ <= -kWheelNotch) {
    wheelRemainder_ += kWheelNotch;
    ZoomAt(at, false);
  }
  event->accept();
}

void CChildView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    LeftDown(at);
  } else if (event->button() == Qt::RightButton) {
    ShowContextMenu(at);
  }
  QWidget::mousePressEvent(event);
}

void CChildView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) LeftUp(event->position().toPoint());
  QWidget::mouseReleaseEvent(event);
}

void CChildView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->modifiers() & Qt::ControlModifier) {
    CPixelMapping mapping = Mapping();
    mapping.PanTo(at.x(), at.y());
    SetMapping(mapping);
  }
  const ModelPoint mm = Mapping().ToModel({at.x(), at.y()});
  positionText_ = UiText(Lang::kStatusPosition).arg(mm.x).arg(mm.y);
  pointer_ = at;
  pointerOver_ = true;
  bool following = false;
  for (auto& tool : tools_) {
    if (!tool) continue;
    tool->PointerMoved(*this, at, (event->buttons() & Qt::LeftButton) != 0);
    following = true;
  }
  if (following) update();
  UpdatePointerText();
  QWidget::mouseMoveEvent(event);
}

void CChildView::leaveEvent(QEvent* event) {
  pointerOver_ = false;
  UpdatePointerText();
  QWidget::leaveEvent(event);
}

void CChildView::FollowInsideDimensions() {
  renderer_.SetInsideDimensions(InsideDimensionsShown());
  update();
  UpdatePointerText();
}

void CChildView::UpdatePointerText() {
  QString text;
  for (const auto& tool : tools_)
    if (tool && text.isEmpty()) text = tool->StatusText(*this);
  if (text.isEmpty() && pointerOver_ && document_.HasCamera())
    text = DescribeUnderPointer(Camera(), Mapping(), pointer_, InsideDimensionsShown());
  pointerText_ = pointerOver_ ? text : QString();
  if (!pointerOver_) {
    Q_EMIT PositionChanged(QString());
  } else if (pointerText_.isEmpty()) {
    Q_EMIT PositionChanged(positionText_);
  } else {
    Q_EMIT PositionChanged(positionText_ + QStringLiteral("    ") + pointerText_);
  }
}

void CChildView::keyPressEvent(QKeyEvent* event) {
  const QPoint middle = rect().center();
  switch (event->key()) {
    case Qt::Key_Left: PanBy(kKeyPanStep, 0); break;
    case Qt::Key_Right: PanBy(-kKeyPanStep, 0); break;
    case Qt::Key_Up: PanBy(0, kKeyPanStep); break;
    case Qt::Key_Down: PanBy(0, -kKeyPanStep); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: ZoomAt(middle, true); break;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: ZoomAt(middle, false); break;
    case Qt::Key_Escape:
      for (size_t i = 0; i < tools_.size(); ++i)
        if (tools_[i]) EndMode(static_cast<ViewMode>(i));
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void CChildView::LeftDown(QPoint pixel) {
  // With no mode on, a click selects what it hits, as a right click does.
  if (std::none_of(tools_.begin(), tools_.end(), [](const auto& tool) { return tool != nullptr; })) {
    if (document_.HasCamera()) ContextMenuFor(pixel);
  }
  for (size_t i = 0; i < tools_.size(); ++i) {
    if (!tools_[i]) continue;
    // The tool may run dialogs; it is held here meanwhile so that it
    // outlives whatever the dialogs' event loops do to the modes.
    std::unique_ptr<CViewTool> tool = std::move(tools_[i]);
    const CViewTool::Outcome outcome = tool->LeftDown(*this, pixel);
    if (outcome == CViewTool::Outcome::kStay && !tools_[i]) tools_[i] = std::move(tool);
    break;
  }
  update();
  UpdatePointerText();
  Q_EMIT Changed();
}

void CChildView::LeftUp(QPoint pixel) {
  for (size_t i = 0; i < tools_.size(); ++i) {
    if (!tools_[i]) continue;
    std::unique_ptr<CViewTool> tool = std::move(tools_[i]);
    const CViewTool::Outcome outcome = tool->LeftUp(*this, pixel);
    if (outcome == CViewTool::Outcome::kStay && !tools_[i]) tools_[i] = std::move(tool);
  }
  update();
  UpdatePointerText();
  Q_EMIT Changed();
}
