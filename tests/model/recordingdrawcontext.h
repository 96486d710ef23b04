#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "drawcontext.h"

// One primitive as a draw context received it, with what was selected.
struct DrawCall {
  enum class Kind { kRectangle, kLine, kEllipse, kText, kTextInRect };
  Kind kind = Kind::kRectangle;
  PixelRect rect;    // rectangle, ellipse, text box
  PixelPoint from;   // line start, text point
  PixelPoint to;     // line end
  std::string text;
  DrawBrush brush;
  DrawPen pen;
  DrawFont font;
  bool printing = false;  // what the observed camera said while drawing
};

// A draw context that keeps every primitive, for tests of the drawing.
class CRecordingDrawContext : public CDrawContext {
 public:
  explicit CRecordingDrawContext(int32_t horzRes = 1920, int32_t logPixelsY = 96)
      : horzRes_(horzRes), logPixelsY_(logPixelsY) {}

  // Asked at every primitive; its answer lands in DrawCall::printing.
  void ObservePrinting(std::function<bool()> printing) { printing_ = std::move(printing); }

  const std::vector<DrawCall>& Calls() const { return calls_; }
  std::vector<DrawCall> OfKind(DrawCall::Kind kind) const;
  // The texts written, in order (both text primitives).
  std::vector<std::string> Texts() const;
  // The first text call with exactly this text, or null.
  const DrawCall* FindText(std::string_view text) const;
  // The first rectangle with exactly these corners, or null.
  const DrawCall* FindRectangle(const PixelRect& rect) const;
  void Clear() { calls_.clear(); }

  void Rectangle(const PixelRect& rect) override;
  void Line(PixelPoint from, PixelPoint to) override;
  void Ellipse(const PixelRect& box) override;
  void Text(PixelPoint at, std::string_view text) override;
  void TextInRect(const PixelRect& rect, std::string_view text) override;
  int32_t DeviceCaps(DeviceCap cap) const override {
    return cap == DeviceCap::kHorzRes ? horzRes_ : logPixelsY_;
  }

 private:
  DrawCall& Add(DrawCall::Kind kind);

  int32_t horzRes_;
  int32_t logPixelsY_;
  std::function<bool()> printing_;
  std::vector<DrawCall> calls_;
};
