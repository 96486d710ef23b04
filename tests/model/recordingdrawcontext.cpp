#include "recordingdrawcontext.h"

DrawCall& CRecordingDrawContext::Add(DrawCall::Kind kind) {
  DrawCall& call = calls_.emplace_back();
  call.kind = kind;
  call.brush = Brush();
  call.pen = Pen();
  call.font = Font();
  call.printing = printing_ && printing_();
  return call;
}

void CRecordingDrawContext::Rectangle(const PixelRect& rect) { Add(DrawCall::Kind::kRectangle).rect = rect; }

void CRecordingDrawContext::Line(PixelPoint from, PixelPoint to) {
  DrawCall& call = Add(DrawCall::Kind::kLine);
  call.from = from;
  call.to = to;
}

void CRecordingDrawContext::Ellipse(const PixelRect& box) { Add(DrawCall::Kind::kEllipse).rect = box; }

void CRecordingDrawContext::Text(PixelPoint at, std::string_view text) {
  DrawCall& call = Add(DrawCall::Kind::kText);
  call.from = at;
  call.text = std::string(text);
}

void CRecordingDrawContext::TextInRect(const PixelRect& rect, std::string_view text) {
  DrawCall& call = Add(DrawCall::Kind::kTextInRect);
  call.rect = rect;
  call.from = {rect.left, rect.top};
  call.text = std::string(text);
}

std::vector<DrawCall> CRecordingDrawContext::OfKind(DrawCall::Kind kind) const {
  std::vector<DrawCall> found;
  for (const DrawCall& call : calls_)
    if (call.kind == kind) found.push_back(call);
  return found;
}

std::vector<std::string> CRecordingDrawContext::Texts() const {
  std::vector<std::string> texts;
  for (const DrawCall& call : calls_)
    if (call.kind == DrawCall::Kind::kText || call.kind == DrawCall::Kind::kTextInRect) texts.push_back(call.text);
  return texts;
}

const DrawCall* CRecordingDrawContext::FindText(std::string_view text) const {
  for (const DrawCall& call : calls_)
    if ((call.kind == DrawCall::Kind::kText || call.kind == DrawCall::Kind::kTextInRect) && call.text == text)
      return &call;
  return nullptr;
}

const DrawCall* CRecordingDrawContext::FindRectangle(const PixelRect& rect) const {
  for (const DrawCall& call : calls_)
    if (call.kind == DrawCall::Kind::kRectangle && call.rect == rect) return &call;
  return nullptr;
}
