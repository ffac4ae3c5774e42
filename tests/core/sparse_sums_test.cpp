#include "calc/sparse_sums.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

using namespace tivorum;

namespace {

// Every value the sums hold must read back, and every prefix sum match the
// plain sum over a dense copy.
void expectSame(const SparseSums& sums, const std::vector<std::size_t>& dense) {
  std::size_t nonZero = 0;
  for (std::size_t i = 0; i <= dense.size(); ++i) {
    const std::size_t want = std::accumulate(dense.begin(), dense.begin() + i, std::size_t{0});
    ASSERT_EQ(sums.before(i), want) << "before " << i;
    if (i < dense.size()) {
      ASSERT_EQ(sums.get(i), dense[i]) << "at " << i;
      nonZero += dense[i] != 0;
    }
  }
  ASSERT_EQ(sums.entries(), nonZero);
}

}  // namespace

TEST(SparseSums, EditsInAnyOrderKeepEveryPrefixSum) {
  struct Step {
    std::size_t index, value;
  };
  const struct {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"none", {}},
      {"in order", {{1, 2}, {4, 1}, {9, 5}}},
      {"before the others", {{9, 5}, {4, 1}, {0, 3}}},
      {"grow and shrink one in the middle", {{1, 2}, {4, 1}, {9, 5}, {4, 7}, {4, 1}}},
      {"remove the first, middle and last", {{1, 2}, {4, 1}, {9, 5}, {4, 0}, {1, 0}, {9, 0}}},
      {"remove what is not there", {{3, 0}, {5, 2}, {4, 0}}},
      {"set again after removing", {{5, 2}, {5, 0}, {5, 3}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SparseSums sums;
    std::vector<std::size_t> dense(12, 0);
    for (const Step& s : c.steps) {
      sums.set(s.index, s.value);
      dense[s.index] = s.value;
    }
    expectSame(sums, dense);
  }
}

TEST(SparseSums, RandomEditsAndTruncationsMatchADenseCopy) {
  std::mt19937 random(7);
  SparseSums sums;
  std::vector<std::size_t> dense(300, 0);
  for (int round = 0; round < 2000; ++round) {
    const std::size_t index = random() % dense.size();
    const std::size_t value = random() % 3 == 0 ? 0 : random() % 40;
    sums.set(index, value);
    dense[index] = value;
    if (round % 250 == 249) {
      const std::size_t size = random() % dense.size();
      sums.truncate(size);
      std::fill(dense.begin() + static_cast<std::ptrdiff_t>(size), dense.end(), 0);
    }
    if (round % 50 == 0) expectSame(sums, dense);
  }
  expectSame(sums, dense);
  sums.clear();
  expectSame(sums, std::vector<std::size_t>(dense.size(), 0));
}

TEST(SparseSums, TheLastLineStartingAtOrBeforeAValue) {
  const std::vector<int> starts = {0, 2, 5, 9};
  auto startOf = [&](std::size_t line) { return starts[line]; };
  const struct {
    int value;
    std::size_t line;
  } cases[] = {{0, 0}, {1, 0}, {2, 1}, {4, 1}, {5, 2}, {8, 2}, {9, 3}, {100, 3}};
  for (const auto& c : cases)
    EXPECT_EQ(lastStartingAtOrBefore(starts.size(), c.value, startOf), c.line) << c.value;
  EXPECT_EQ(lastStartingAtOrBefore(0, 5, startOf), 0u);
}
