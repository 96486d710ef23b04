#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class CFloorStrip;
class CWallCollection;

// An ordered list of lengths taken out of a total, mm: what is left
// unallocated follows every change. It goes negative when the list is
// longer than the total (a wall an outline edit shortened under its
// panels), so that the user sees by how much.
class CLengthList {
 public:
  void Reset(int64_t total, std::vector<int32_t> values = {});
  int64_t Total() const { return total_; }
  int64_t Unallocated() const { return total_ - sum_; }
  std::span<const int32_t> Values() const { return values_; }
  int Count() const { return static_cast<int>(values_.size()); }
  // Inserts before `index`, clamped into the list (the end for Count()).
  void Insert(int index, int32_t value);
  void Append(int32_t value) { Insert(Count(), value); }
  // False, changing nothing, for an index outside the list.
  bool RemoveAt(int index);
  // The list empty again; the total stays.
  void Clear() { Reset(total_); }

 private:
  int64_t total_ = 0;
  int64_t sum_ = 0;
  std::vector<int32_t> values_;
};

// The wall division dialog's work before it is applied: the panel widths
// chosen for a run (an outline segment or a partition) or for a floor strip,
// and for a strip the pieces its panels are cut into across their length.
// The object is read until Apply, which rebuilds it through the model's own
// manual division.
class CDivisionDraft {
 public:
  // What a typed size is, measured against the list it would join.
  enum class SizeCheck { kOk, kNoNumber, kNotPositive, kAboveTotal, kAboveRemaining };
  // Whether the widths may be applied as they stand.
  enum class Completion {
    kComplete,  // they add up to the object's length
    kShort,     // they leave some of it, which the model fills (ask first)
    kOverfull,  // they are longer than the object: refused
  };
  // The standard sizes offered: kPanelWidthStep, twice, three and four
  // times it (300 to 1200 mm).
  static constexpr int kOfferCount = 4;

  // The run or strip to divide (null: nothing, every total 0). The widths
  // start as its panels as they stand.
  void SetObject(CWallCollection* run);
  void SetObject(CFloorStrip* strip);
  // The widths back to the object's panels as they stand.
  void StartFromObject();
  // The size to cut in the second direction, mm (a strip's panel length);
  // the heights start empty. Walls have none: 0.
  void SetHeight(int32_t height);
  // Only a strip's panels are cut across.
  bool HasHeights() const { return strip_ != nullptr; }

  CLengthList& Widths() { return widths_; }
  const CLengthList& Widths() const { return widths_; }
  CLengthList& Heights() { return heights_; }
  const CLengthList& Heights() const { return heights_; }

  // The widths the object has now, and its automatic division (worked out
  // on a scratch copy: the object is not touched).
  std::vector<int32_t> ObjectWidths() const;
  std::vector<int32_t> AutomaticWidths() const;

  // The standard sizes that fit the unallocated length, smallest first.
  std::vector<int32_t> OfferedSizes() const;
  // Which of them to select once the list changed: the size chosen before
  // (0 for none) while it still fits, else the largest that fits; -1 when
  // none is offered.
  int OfferIndexAfter(int32_t previous) const;

  // An exact width may be any whole number from 1 to the unallocated length.
  bool ExactSizeFits(std::optional<int64_t> size) const;
  // A height piece: a whole number from 1 to what is left of the height.
  SizeCheck CheckHeight(std::optional<int64_t> height) const;

  Completion State() const;
  // Rebuilds the object from the widths, completing what they leave short
  // to the end. False, with the object unchanged, when the model refuses
  // the list (too many panels). `applied` receives the object's widths as
  // they then are.
  bool Apply(std::vector<int32_t>* applied) const;
  // The pieces for the strip's cuts, first piece first: the heights from
  // the last added back to the first, preceded by what is left of the
  // height when that is not 0. They add up to the height.
  std::vector<int32_t> CutPieces() const;

 private:
  int64_t ObjectLength() const;

  CWallCollection* run_ = nullptr;
  CFloorStrip* strip_ = nullptr;
  CLengthList widths_;
  CLengthList heights_;
};
