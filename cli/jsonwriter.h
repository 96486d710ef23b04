#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

// A JSON value built in memory and written out in one go. Object members
// keep the order in which they were set, so the output is stable and reads
// in the order the command documents. Strings are UTF-8.
class CJson {
 public:
  static CJson Null() { return CJson(Kind::kNull); }
  static CJson Bool(bool value);
  static CJson Int(int64_t value);
  // A finite double, written in its shortest round-trip form; anything
  // else is written as null.
  static CJson Number(double value);
  static CJson String(std::string utf8);
  static CJson Array() { return CJson(Kind::kArray); }
  static CJson Object() { return CJson(Kind::kObject); }
  template <class Range>
  static CJson IntArray(const Range& values) {
    CJson array = Array();
    for (const auto& v : values) array.Push(Int(v));
    return array;
  }

  // Appends a member (objects) or an element (arrays); returns *this.
  CJson& Set(std::string key, CJson value);
  CJson& Push(CJson value);

  // Two-space indentation. An array of plain values, and an object whose
  // members are plain values or such arrays, stay on one line. Ends with a
  // newline.
  std::string Dump() const;

 private:
  enum class Kind { kNull, kBool, kInt, kNumber, kString, kArray, kObject };
  explicit CJson(Kind kind) : kind_(kind) {}
  bool IsContainer() const { return kind_ == Kind::kArray || kind_ == Kind::kObject; }
  bool IsFlatArray() const;
  bool IsInline() const;
  void Write(std::string& out, int indent) const;

  Kind kind_;
  bool bool_ = false;
  int64_t int_ = 0;
  double number_ = 0;
  std::string string_;
  std::vector<std::pair<std::string, CJson>> members_;
  std::vector<CJson> items_;
};
