#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace fw;
using Pieces = std::vector<std::string>;

TEST(TextFields, CountFieldsEdges) {
    EXPECT_EQ(CountFields("", ","), 0);
    EXPECT_EQ(CountFields("", ""), 0);
    EXPECT_EQ(CountFields("abc", ","), 1);
    EXPECT_EQ(CountFields("abc", ""), 1);
    EXPECT_EQ(CountFields("a,b,c", ","), 3);
    EXPECT_EQ(CountFields(",", ","), 2);
    EXPECT_EQ(CountFields("a,,b,", ","), 4);
    EXPECT_EQ(CountFields("LSU (1)_10", "_"), 2);
    EXPECT_EQ(CountFields("a--b--c", "--"), 3);
    // Separators are found left to right without overlap.
    EXPECT_EQ(CountFields("a---b", "--"), 2);
}

TEST(TextFields, NthFieldEdges) {
    EXPECT_EQ(NthField("LSU (1)_10", "_", 1), "LSU (1)");
    EXPECT_EQ(NthField("LSU (1)_10", "_", 2), "10");
    EXPECT_EQ(NthField("LSU (1)_10", "_", 0), "");
    EXPECT_EQ(NthField("LSU (1)_10", "_", -1), "");
    EXPECT_EQ(NthField("LSU (1)_10", "_", 3), "");
    EXPECT_EQ(NthField("abc", ",", 1), "abc");
    EXPECT_EQ(NthField("abc", ",", 2), "");
    EXPECT_EQ(NthField("abc", "", 1), "abc");
    EXPECT_EQ(NthField("", ",", 1), "");
    EXPECT_EQ(NthField("a,,b", ",", 2), "");
    EXPECT_EQ(NthField("a,,b", ",", 3), "b");
    EXPECT_EQ(NthField("one<>two<>three", "<>", 3), "three");
    EXPECT_EQ(NthField("a---b", "--", 2), "-b");
}

TEST(TextFields, SplitAndJoin) {
    EXPECT_EQ(Split("", ","), Pieces{""});
    EXPECT_EQ(Split("abc", ","), Pieces{"abc"});
    EXPECT_EQ(Split("abc", ""), Pieces{"abc"});
    EXPECT_EQ(Split("a,b,,c,", ","), (Pieces{"a", "b", "", "c", ""}));
    EXPECT_EQ(Split("x::y", "::"), (Pieces{"x", "y"}));
    EXPECT_EQ(Join({}, ","), "");
    EXPECT_EQ(Join({"a"}, ","), "a");
    EXPECT_EQ(Join({"a", "", "b"}, ", "), "a, , b");
    for (const char* text : {"", ",", "a,b,,c,", ",,x", "no separator"})
        EXPECT_EQ(Join(Split(text, ","), ","), text) << text;
}

TEST(TextReplace, FirstOnly) {
    EXPECT_EQ(Replace("a_b_c", "_", "-"), "a-b_c");
    EXPECT_EQ(Replace("abc", "x", "y"), "abc");
    EXPECT_EQ(Replace("abc", "", "y"), "abc");
    EXPECT_EQ(Replace("", "a", "b"), "");
    EXPECT_EQ(Replace("abcabc", "bc", ""), "aabc");
}

TEST(TextReplace, All) {
    EXPECT_EQ(ReplaceAll("a_b_c", "_", "-"), "a-b-c");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    // Inserted text is never searched again.
    EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "x"), "");
    EXPECT_EQ(ReplaceAll("line\rline", "\r", "\n"), "line\nline");
}

TEST(TextNumbers, ValReadsTheHead) {
    EXPECT_DOUBLE_EQ(Val("0.9419"), 0.9419);
    EXPECT_EQ(Val("1"), 1.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("12abc"), 12.0);
    EXPECT_EQ(Val("-3"), -3.0);
    EXPECT_EQ(Val(" 7"), 7.0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("+4"), 4.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("."), 0.0);
    EXPECT_EQ(Val("1.5e2x"), 150.0);
    EXPECT_EQ(Val("2e"), 2.0);
    EXPECT_EQ(Val("2e-"), 2.0);
    EXPECT_EQ(Val("3,5"), 3.0);
    EXPECT_EQ(Val("inf"), 0.0);
    EXPECT_EQ(Val("0x10"), 0.0);
    EXPECT_EQ(Val("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Val("1e-999"), 0.0);
}

TEST(TextNumbers, Str) {
    EXPECT_EQ(Str(std::int64_t{0}), "0");
    EXPECT_EQ(Str(std::int64_t{-42}), "-42");
    EXPECT_EQ(Str(std::int64_t{-2147483648LL}), "-2147483648");
    EXPECT_EQ(Str(10.0), "10");
    EXPECT_EQ(Str(100000.0), "100000");
    EXPECT_EQ(Str(-3.0), "-3");
    EXPECT_EQ(Str(0.0), "0");
    EXPECT_EQ(Str(-0.0), "0");
    EXPECT_EQ(Str(0.5), "0.5");
    EXPECT_EQ(Str(0.9419), "0.9419");
    EXPECT_EQ(Str(-2.25), "-2.25");
}

TEST(TextNumbers, RoundHalvesAwayFromZero) {
    EXPECT_EQ(Round(9.419), 9.0);
    EXPECT_EQ(Round(9.5), 10.0);
    EXPECT_EQ(Round(-2.5), -3.0);
    EXPECT_EQ(Round(2.4999), 2.0);
    EXPECT_EQ(Round(0.5), 1.0);
}

TEST(TextNumbers, ToInt32Saturates) {
    EXPECT_EQ(ToInt32(10.0), 10);
    EXPECT_EQ(ToInt32(-7.0), -7);
    EXPECT_EQ(ToInt32(9.9), 9);
    EXPECT_EQ(ToInt32(-9.9), -9);
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(ToInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(ToInt32(3e9), 2147483647);
    EXPECT_EQ(ToInt32(-3e9), -2147483647 - 1);
    EXPECT_EQ(ToInt32(std::numeric_limits<double>::infinity()), 2147483647);
    EXPECT_EQ(ToInt32(-std::numeric_limits<double>::infinity()), -2147483647 - 1);
    EXPECT_EQ(ToInt32(std::nan("")), 0);
}

TEST(TextChr, ControlAndUnicode) {
    EXPECT_EQ(Chr(9), "\t");
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Chr(0), std::string(1, '\0'));
    EXPECT_EQ(Chr(0xE9), "\xC3\xA9");
    EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC");
    EXPECT_EQ(Chr(0x1F600), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Chr(-1), "");
    EXPECT_EQ(Chr(0xD800), "");
    EXPECT_EQ(Chr(0x110000), "");
}
