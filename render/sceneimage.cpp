#include "sceneimage.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

#include "chamber.h"
#include "painterdrawcontext.h"
#include "planimage.h"
#include "planrenderer.h"

namespace {

// The estimate's picture: 3:2, sharp at the size the workbook shows it.
constexpr QSize kEstimatePictureSize{960, 640};
// The resolution of a picture's PDF page: enough for its seams.
constexpr int kPdfDotsPerInch = 300;

void PaintOnWhite(QPainter& painter, const QRect& area, const CChamber& camera, const ScenePictureSettings& settings) {
  painter.fillRect(area, Qt::white);
  PaintScene3d(painter, area, CScene3d::Build(camera, settings.lid), settings.view);
}

}  // namespace

void PaintScene3d(QPainter& painter, const QRect& area, const CScene3d& scene, const SceneViewpoint& view) {
  CPainterDrawContext dc(painter);
  const PixelRect box{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
  DrawScene3d(scene, view, box, dc);
}

std::function<void(CDrawContext&, const PixelRect&)> ScenePictureOf(const CChamber& camera) {
  auto scene = std::make_shared<const CScene3d>(CScene3d::Build(camera, LidMode::kTransparent));
  return [scene](CDrawContext& dc, const PixelRect& box) {
    // Clear of the box's frame.
    const int32_t inset = std::max(1, std::min(box.right - box.left, box.bottom - box.top) / 40);
    DrawScene3d(*scene, SceneViewpoint::Preset(1),
                {box.left + inset, box.top + inset, box.right - inset, box.bottom - inset}, dc);
  };
}

QImage RenderSceneImage(const CChamber& camera, const ScenePictureSettings& settings, QSize size,
                        std::string* problem) {
  if (!CanvasSizeAllowed(size, problem)) return {};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) {
    *problem = "no memory for a picture of that size";
    return {};
  }
  QPainter painter(&image);
  PaintOnWhite(painter, QRect(QPoint(0, 0), size), camera, settings);
  painter.end();
  return image;
}

std::string WriteEstimatePicture(const CChamber& camera, const std::string& folder) {
  const std::string path = folder + "/camera-3d.png";
  return ExportSceneImage(camera, {}, path, kEstimatePictureSize) ? std::string() : path;
}

FileError ExportSceneImage(const CChamber& camera, const ScenePictureSettings& settings, const std::string& path,
                           QSize size) {
  const std::string ext = LowerCaseExtension(path);
  std::string problem;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (ext == "pdf") {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    pdf.setTitle(QStringLiteral("Kryvel camera"));
    QPainter painter;
    if (!painter.begin(&pdf)) return {path, "the drawing could not be started"};
    PaintOnWhite(painter, QRect(0, 0, pdf.width(), pdf.height()), camera, settings);
    painter.end();
    return WritePictureBytes(path, buffer.data());
  }
  if (!CanvasSizeAllowed(size, &problem)) return {path, problem};
  if (ext == "svg") {
    return WriteSvgPicture(path, size, [&](QPainter& painter) {
      PaintOnWhite(painter, QRect(QPoint(0, 0), size), camera, settings);
    });
  }
  if (ext != "png") return {path, "the picture's kind is chosen by its extension: .png, .svg or .pdf"};
  const QImage image = RenderSceneImage(camera, settings, size, &problem);
  if (image.isNull()) return {path, problem};
  if (!image.save(&buffer, "PNG")) return {path, "the picture could not be encoded"};
  return WritePictureBytes(path, buffer.data());
}
