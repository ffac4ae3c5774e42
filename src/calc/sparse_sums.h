// Numbers held by a few of very many lines (the extra rows of the lines that
// wrap, the extra bytes of the lines that are not plain ASCII), with the sum
// over the lines before any line in logarithmic time. Every other line holds
// zero and costs nothing.
#pragma once

#include <cstddef>
#include <vector>

namespace tivorum {

class SparseSums {
 public:
  std::size_t get(std::size_t index) const;
  // Constant time past the last index set; elsewhere it moves the later ones.
  // Zero removes the entry.
  void set(std::size_t index, std::size_t value);
  // The sum of the values at indexes below `index`.
  std::size_t before(std::size_t index) const;
  // Drops the values at `size` and above.
  void truncate(std::size_t size);
  void clear();
  std::size_t entries() const { return indexes_.size(); }
  std::size_t memoryBytes() const;

 private:
  std::vector<std::size_t> indexes_;
  // running_[k]: the sum of the values of entries 0..k.
  std::vector<std::size_t> running_;
};

// The last of `count` lines whose start, rising from line to line, is at or
// before `value`; 0 when there are none.
template <typename Value, typename StartOf>
std::size_t lastStartingAtOrBefore(std::size_t count, Value value, const StartOf& startOf) {
  std::size_t low = 0, high = count == 0 ? 0 : count - 1;
  while (low < high) {
    const std::size_t mid = low + (high - low + 1) / 2;
    if (startOf(mid) <= value)
      low = mid;
    else
      high = mid - 1;
  }
  return low;
}

}  // namespace tivorum
