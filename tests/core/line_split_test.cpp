#include "core/line_split.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/utf.h"

namespace zelvane::core {
namespace {

struct SplitCase {
  std::u16string text;
  std::vector<std::u16string> pieces;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
  *os << testing::PrintToString(ToUtf8(c.text));
}

class SplitCrLfTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCrLfTest, SplitsAtEachCrLfPair) {
  EXPECT_EQ(SplitCrLf(GetParam().text), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitCrLfTest,
    testing::Values(SplitCase{u"", {u""}}, SplitCase{u"A", {u"A"}},
                    SplitCase{u"A\r\nB", {u"A", u"B"}},
                    SplitCase{u"A\r\nB\r\nC", {u"A", u"B", u"C"}},
                    SplitCase{u"A\r\n", {u"A", u""}}, SplitCase{u"\r\nA", {u"", u"A"}},
                    SplitCase{u"\r\n\r\n", {u"", u"", u""}},
                    SplitCase{u"A\rB\nC", {u"A\rB\nC"}}, SplitCase{u"\n\r", {u"\n\r"}},
                    SplitCase{u"A\r\r\nB", {u"A\r", u"B"}},
                    SplitCase{u"A\n\r\nB", {u"A\n", u"B"}},
                    SplitCase{u"A\r\n\nB", {u"A", u"\nB"}}));

}  // namespace
}  // namespace zelvane::core
