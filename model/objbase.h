#pragma once

#include <cstdint>

// Base of the objects laid one after another in a run: wall panels and floor
// panels. Held by value inside their run (copied in when appended), so a
// pointer to one lives only until its run changes.
// The drawing entry point joins this class with the drawing of the plan.
class CObjBase {
 public:
  virtual ~CObjBase() = default;

  // Position of the object's start along its run, mm: the sum of the widths
  // of the objects before it when it was appended. Later width changes of
  // earlier objects do not move it.
  int32_t Offset() const { return offset_; }
  void SetOffset(int32_t offset) { offset_ = offset; }
  int32_t Kind() const { return kind_; }

 protected:
  CObjBase() = default;
  CObjBase(const CObjBase&) = default;
  CObjBase& operator=(const CObjBase&) = default;

  int32_t offset_ = 0;
  int32_t kind_ = 1;
};
