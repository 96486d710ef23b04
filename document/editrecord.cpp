#include "editrecord.h"

#include <bit>

void AppendWords(std::vector<int32_t>& data, int32_t value) { data.push_back(value); }

void AppendWords(std::vector<int32_t>& data, bool value) { data.push_back(value ? 1 : 0); }

void AppendWords(std::vector<int32_t>& data, double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  data.push_back(static_cast<int32_t>(static_cast<uint32_t>(bits)));
  data.push_back(static_cast<int32_t>(static_cast<uint32_t>(bits >> 32)));
}

void AppendWords(std::vector<int32_t>& data, WordList values) {
  data.push_back(static_cast<int32_t>(values.size()));
  data.insert(data.end(), values.begin(), values.end());
}

bool CRecordWords::Take(int32_t& value) {
  if (Left() < 1) return false;
  value = words_[pos_++];
  return true;
}

bool CRecordWords::Take(bool& value) {
  int32_t word = 0;
  if (!Take(word)) return false;
  value = word != 0;
  return true;
}

bool CRecordWords::Take(double& value) {
  if (Left() < 2) return false;
  const auto low = static_cast<uint32_t>(words_[pos_]);
  const auto high = static_cast<uint32_t>(words_[pos_ + 1]);
  pos_ += 2;
  value = std::bit_cast<double>((uint64_t{high} << 32) | low);
  return true;
}

bool CRecordWords::Take(WordList& values) {
  if (Left() < 1) return false;
  const int32_t count = words_[pos_];
  if (count < 0 || static_cast<size_t>(count) > Left() - 1) return false;
  values = words_.subspan(pos_ + 1, static_cast<size_t>(count));
  pos_ += 1 + static_cast<size_t>(count);
  return true;
}
