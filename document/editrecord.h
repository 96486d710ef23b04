#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "editop.h"

// One entry of the edit log, in memory and on disk: an operation code and
// its 32-bit data words. Records address walls, partitions, panels and
// floor strips by their 0-based index in the camera, never by pointer: a
// replay rebuilds every object. What the words of each code mean is the
// struct of that code in editops.h.
struct EditRecord {
  int32_t op = 0;
  std::vector<int32_t> data;

  friend bool operator==(const EditRecord&, const EditRecord&) = default;
};

// ---- the kinds of field a record's words hold ------------------------------
//
//   int32_t   one word
//   bool      one word, 1 or 0; read back, any word but 0 is true
//   double    the IEEE bits in two words, low word first
//   WordList  a count n, then the n words
//
// A list read from a record views the record's own words, so it lives no
// longer than the record.
using WordList = std::span<const int32_t>;

void AppendWords(std::vector<int32_t>& data, int32_t value);
void AppendWords(std::vector<int32_t>& data, bool value);
void AppendWords(std::vector<int32_t>& data, double value);
void AppendWords(std::vector<int32_t>& data, WordList values);

// Reads a record's fields in order. Every read checks what is left, so a
// record with fewer words than its operation needs is simply refused; words
// beyond those read are ignored.
class CRecordWords {
 public:
  explicit CRecordWords(const EditRecord& record) : words_(record.data) {}

  // The next field into `value`; false (nothing consumed) when too few
  // words are left for it, and for a list whose count is negative or larger
  // than what is left.
  bool Take(int32_t& value);
  bool Take(bool& value);
  bool Take(double& value);
  bool Take(WordList& values);
  size_t Left() const { return words_.size() - pos_; }

 private:
  std::span<const int32_t> words_;
  size_t pos_ = 0;
};
