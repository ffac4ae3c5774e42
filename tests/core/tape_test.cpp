#include "calc/tape.h"

#include <gtest/gtest.h>

using namespace tivorum;

TEST(AppendTape5, FirstLineAlwaysOthersOnlyWhenNotEmpty) {
  MemoryTape tape;
  tape.append("before");
  appendTape5(tape, "", "b", "", "d", "");
  appendTape5(tape, "one", "two", "three", "four", "five");
  EXPECT_EQ(tape.lines, (std::vector<std::string>{"before", "", "b", "d", "one", "two", "three",
                                                  "four", "five"}));
}

TEST(AppendTape5, CutsEachTextTo255Characters) {
  MemoryTape tape;
  appendTape5(tape, std::string(300, 'x'), std::string(256, 'y'));
  ASSERT_EQ(tape.lines.size(), 2u);
  EXPECT_EQ(tape.lines[0], std::string(255, 'x'));
  EXPECT_EQ(tape.lines[1], std::string(255, 'y'));
}
