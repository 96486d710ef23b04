#include "jsonwriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

void WriteString(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void NewLine(std::string& out, int indent) {
  out += '\n';
  out.append(static_cast<size_t>(indent) * 2, ' ');
}

}  // namespace

CJson CJson::Bool(bool value) {
  CJson json(Kind::kBool);
  json.bool_ = value;
  return json;
}

CJson CJson::Int(int64_t value) {
  CJson json(Kind::kInt);
  json.int_ = value;
  return json;
}

CJson CJson::Number(double value) {
  if (!std::isfinite(value)) return Null();
  CJson json(Kind::kNumber);
  json.number_ = value;
  return json;
}

CJson CJson::String(std::string utf8) {
  CJson json(Kind::kString);
  json.string_ = std::move(utf8);
  return json;
}

CJson& CJson::Set(std::string key, CJson value) {
  members_.emplace_back(std::move(key), std::move(value));
  return *this;
}

CJson& CJson::Push(CJson value) {
  items_.push_back(std::move(value));
  return *this;
}

bool CJson::IsFlatArray() const {
  if (kind_ != Kind::kArray) return false;
  for (const CJson& item : items_)
    if (item.IsContainer()) return false;
  return true;
}

bool CJson::IsInline() const {
  if (kind_ == Kind::kArray) return IsFlatArray();
  if (kind_ != Kind::kObject) return true;
  for (const auto& member : members_)
    if (member.second.kind_ == Kind::kObject || (member.second.kind_ == Kind::kArray && !member.second.IsFlatArray()))
      return false;
  return true;
}

std::string CJson::Dump() const {
  std::string out;
  Write(out, 0);
  out += '\n';
  return out;
}

void CJson::Write(std::string& out, int indent) const {
  switch (kind_) {
    case Kind::kNull:
      out += "null";
      return;
    case Kind::kBool:
      out += bool_ ? "true" : "false";
      return;
    case Kind::kInt:
      out += std::to_string(int_);
      return;
    case Kind::kNumber: {
      char buffer[32];
      const auto result = std::to_chars(buffer, buffer + sizeof buffer, number_);
      out.append(buffer, result.ptr);
      return;
    }
    case Kind::kString:
      WriteString(out, string_);
      return;
    case Kind::kArray: {
      const bool inline_ = IsInline();
      out += '[';
      for (size_t i = 0; i < items_.size(); ++i) {
        if (i > 0) out += inline_ ? ", " : ",";
        if (!inline_) NewLine(out, indent + 1);
        items_[i].Write(out, indent + 1);
      }
      if (!inline_ && !items_.empty()) NewLine(out, indent);
      out += ']';
      return;
    }
    case Kind::kObject: {
      const bool inline_ = IsInline() && !members_.empty();
      out += '{';
      for (size_t i = 0; i < members_.size(); ++i) {
        if (i > 0) out += inline_ ? ", " : ",";
        if (!inline_) NewLine(out, indent + 1);
        WriteString(out, members_[i].first);
        out += ": ";
        members_[i].second.Write(out, indent + 1);
      }
      if (!inline_ && !members_.empty()) NewLine(out, indent);
      out += '}';
      return;
    }
  }
}
