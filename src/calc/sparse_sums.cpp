#include "calc/sparse_sums.h"

#include <algorithm>

namespace tivorum {

std::size_t SparseSums::get(std::size_t index) const {
  const auto it = std::lower_bound(indexes_.begin(), indexes_.end(), index);
  if (it == indexes_.end() || *it != index) return 0;
  const auto k = static_cast<std::size_t>(it - indexes_.begin());
  return running_[k] - (k == 0 ? 0 : running_[k - 1]);
}

void SparseSums::set(std::size_t index, std::size_t value) {
  const auto it = std::lower_bound(indexes_.begin(), indexes_.end(), index);
  const auto k = static_cast<std::size_t>(it - indexes_.begin());
  const std::size_t previous = k == 0 ? 0 : running_[k - 1];
  const bool present = it != indexes_.end() && *it == index;
  const std::size_t old = present ? running_[k] - previous : 0;
  if (present && value == 0) {
    indexes_.erase(it);
    running_.erase(running_.begin() + static_cast<std::ptrdiff_t>(k));
  } else if (present) {
    running_[k] = previous + value;
  } else if (value != 0) {
    indexes_.insert(it, index);
    running_.insert(running_.begin() + static_cast<std::ptrdiff_t>(k), previous + value);
  } else {
    return;
  }
  // Unsigned wrap-around makes this right for a smaller value too.
  const std::size_t from = present && value == 0 ? k : k + 1;
  for (std::size_t j = from; j < running_.size(); ++j) running_[j] += value - old;
}

std::size_t SparseSums::before(std::size_t index) const {
  const auto k = static_cast<std::size_t>(
      std::lower_bound(indexes_.begin(), indexes_.end(), index) - indexes_.begin());
  return k == 0 ? 0 : running_[k - 1];
}

void SparseSums::truncate(std::size_t size) {
  const auto k = static_cast<std::size_t>(std::lower_bound(indexes_.begin(), indexes_.end(), size) -
                                          indexes_.begin());
  indexes_.resize(k);
  running_.resize(k);
}

void SparseSums::clear() {
  std::vector<std::size_t>().swap(indexes_);
  std::vector<std::size_t>().swap(running_);
}

std::size_t SparseSums::memoryBytes() const {
  return (indexes_.capacity() + running_.capacity()) * sizeof(std::size_t);
}

}  // namespace tivorum
