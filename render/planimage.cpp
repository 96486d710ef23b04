#include "planimage.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "bitmapfile.h"
#include "chamber.h"
#include "languageentries.h"
#include "languagetable.h"
#include "painterdrawcontext.h"
#include "planfit.h"
#include "planrenderer.h"

namespace {

// Pixels per metre of a 96 dpi screen: what the window's fonts are made for.
constexpr int kScreenDotsPerMetre = 3780;

void DrawOnWhite(QPainter& painter, QSize size, const CPlanRenderer& renderer, const CChamber& camera,
                 const DrawingHeader& header) {
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  CPainterDrawContext dc(painter);
  renderer.Draw(camera, dc, header);
}

}  // namespace

FileError WritePictureBytes(const std::string& path, const QByteArray& bytes) {
  return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

FileError WriteSvgPicture(const std::string& path, QSize size, const std::function<void(QPainter&)>& paint) {
  std::string problem;
  if (!CanvasSizeAllowed(size, &problem)) return {path, problem};
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(CPlanRenderer::kScreenLogPixelsY);
  svg.setTitle(QStringLiteral("Kryvel camera"));
  QPainter painter;
  if (!painter.begin(&svg)) return {path, "the drawing could not be started"};
  paint(painter);
  painter.end();
  return WritePictureBytes(path, buffer.data());
}

std::string LowerCaseExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

DrawingHeader DrawingHeaderTexts() {
  const CLanguageTable& language = ModuleLanguage();
  return {language.GetString(Lang::kDrawingHeader), language.GetString(Lang::kHeightLabel),
          language.GetString(Lang::kWidthLabel), language.GetString(Lang::kLengthLabel)};
}

bool CanvasSizeAllowed(QSize size, std::string* problem) {
  if (size.width() < 1 || size.height() < 1 || size.width() > kMaxCanvasSide || size.height() > kMaxCanvasSide ||
      qint64{size.width()} * size.height() > kMaxCanvasPixels) {
    *problem = "a picture of " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
               " pixels is outside 1 to " + std::to_string(kMaxCanvasSide) + " a side and " +
               std::to_string(kMaxCanvasPixels) + " pixels in all";
    return false;
  }
  return true;
}

std::optional<PlanCanvas> PlanExtentCanvas(const CChamber& camera, double scale) {
  const std::optional<ModelRect> bounds = PlanBounds(camera);
  if (!bounds || !CPixelMapping::IsValidScale(scale)) return std::nullopt;
  const FitMargins& m = kScreenFitMargins;
  const double modelWidth = std::max(1.0, static_cast<double>(bounds->Right()) - bounds->Left());
  const double modelHeight = std::max(1.0, static_cast<double>(bounds->Bottom()) - bounds->Top());
  const double roomWidth = kMaxCanvasSide - m.left - m.right;
  const double roomHeight = kMaxCanvasSide - m.top - m.bottom;
  // Smaller where the plan would outgrow the largest canvas: by side, then
  // by the pixels in all.
  scale = std::min({scale, roomWidth / modelWidth, roomHeight / modelHeight});
  const double pixels = (modelWidth * scale + m.left + m.right) * (modelHeight * scale + m.top + m.bottom);
  if (pixels > static_cast<double>(kMaxCanvasPixels)) scale *= std::sqrt(kMaxCanvasPixels / pixels) * 0.99;
  PlanCanvas canvas;
  if (!canvas.mapping.SetScale(std::max(scale, CPixelMapping::kMinScale))) return std::nullopt;
  const int32_t left = canvas.mapping.ToPixelLength(bounds->Left());
  const int32_t top = canvas.mapping.ToPixelLength(bounds->Top());
  canvas.mapping.SetOrigin(m.left - left, m.top - top);
  const int32_t width = canvas.mapping.ToPixelLength(bounds->Right()) - left + 1;
  const int32_t height = canvas.mapping.ToPixelLength(bounds->Bottom()) - top + 1;
  canvas.size = QSize(std::clamp(width + m.left + m.right, 1, kMaxCanvasSide),
                      std::clamp(height + m.top + m.bottom, 1, kMaxCanvasSide));
  return canvas;
}

QImage RenderPlanImage(const CPlanRenderer& renderer, const CChamber& camera, const DrawingHeader& header, QSize size,
                       std::string* problem) {
  if (!CanvasSizeAllowed(size, problem)) return {};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) {
    *problem = "no memory for a picture of that size";
    return {};
  }
  image.setDotsPerMeterX(kScreenDotsPerMetre);
  image.setDotsPerMeterY(kScreenDotsPerMetre);
  QPainter painter(&image);
  DrawOnWhite(painter, size, renderer, camera, header);
  painter.end();
  return image;
}

FileError ExportPlanImage(const CPlanRenderer& renderer, const CChamber& camera, const DrawingHeader& header,
                          const std::string& path, QSize size) {
  const std::string ext = LowerCaseExtension(path);
  std::string problem;
  if (ext == "svg") {
    return WriteSvgPicture(path, size, [&](QPainter& painter) { DrawOnWhite(painter, size, renderer, camera, header); });
  }
  if (ext != "png" && ext != "bmp") return {path, "the picture's kind is chosen by its extension: .png, .bmp or .svg"};
  const QImage image = RenderPlanImage(renderer, camera, header, size, &problem);
  if (image.isNull()) return {path, problem};
  if (ext == "bmp") return WriteBitmapFile(path, image);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {path, "the picture could not be encoded"};
  return WritePictureBytes(path, bytes);
}
