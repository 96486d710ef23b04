#pragma once

#include <cstdint>

class CChamber;
class CDrawContext;
class CPlanRenderer;

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

  // Draws the object of `camera` with the renderer's mapping and drawing
  // set; (x, y) is the model point (mm) where the object's place in its run
  // starts, as the run's own drawing has walked to it.
  virtual void Draw(const CPlanRenderer& renderer, const CChamber& camera, CDrawContext& dc, int32_t x,
                    int32_t y) const = 0;

 protected:
  CObjBase() = default;
  CObjBase(const CObjBase&) = default;
  CObjBase& operator=(const CObjBase&) = default;

  int32_t offset_ = 0;
  int32_t kind_ = 1;
};
