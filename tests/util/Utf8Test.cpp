#include "util/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct StepRow {
    const char* text;
    size_t length;
    char32_t codePoint;
    bool wellFormed;
    bool wholeSequence;
};

// Where one step ends decides what the codec refuses, how many "?" a broken
// text costs in CP932 and how many U+FFFD the debug log shows; these rows keep
// the broken cases as they are.
TEST(Utf8Test, StepsOverCharactersAndBrokenSequences) {
    const StepRow rows[] = {
        {"A", 1, U'A', true, true},
        {"\xC3\xA9", 2, 0xE9, true, true},
        {"\xE3\x81\x82", 3, 0x3042, true, true},
        {"\xF0\x9F\x98\x80", 4, 0x1F600, true, true},
        {"\x80", 1, 0, false, false},             // stray continuation byte
        {"\xFF", 1, 0, false, false},             // never in UTF-8
        {"\xC0\x80", 2, 0, false, false},         // overlong from a byte UTF-8 never uses
        {"\xE0\x80\x80", 3, 0, false, true},      // overlong
        {"\xED\xA0\x80", 3, 0, false, true},      // surrogate
        {"\xF4\x90\x80\x80", 4, 0, false, true},  // above U+10FFFF
        {"\xF5\x80\x80\x80", 4, 0, false, false}, // above U+10FFFF from a byte never used
        {"\xE3\x81"
         "A",
         2, 0, false, false},             // cut short by another character
        {"\xE3\x81", 2, 0, false, false}, // cut short by the end
    };
    for (const StepRow& row : rows) {
        const Utf8Char step = Utf8CharAt(row.text, 0);
        EXPECT_EQ(step.length, row.length) << row.text;
        EXPECT_EQ(step.codePoint, row.codePoint) << row.text;
        EXPECT_EQ(step.wellFormed, row.wellFormed) << row.text;
        EXPECT_EQ(step.wholeSequence, row.wholeSequence) << row.text;
        EXPECT_EQ(IsWellFormedUtf8(row.text), row.wellFormed) << row.text;
    }
}

TEST(Utf8Test, WideningGivesOneReplacementPerBrokenStep) {
    const struct {
        std::string utf8;
        std::wstring wide;
    } rows[] = {
        {"", L""},
        {"リビング1", L"リビング1"},
        {"a\xE3\x81"
         "b",
         L"a\uFFFDb"},
        {"\xC0\x80", L"\uFFFD"},
        {"\xED\xA0\x80!", L"\uFFFD!"},
        {"\x80\x80", L"\uFFFD\uFFFD"},
        {"\xF8z", L"\uFFFDz"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Utf8ToWide(row.utf8), row.wide) << row.utf8;
    }
    EXPECT_EQ(WideToUtf8(L"冷房\U0001F600"), "冷房\xF0\x9F\x98\x80");
    EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)) + L"a"), "a");
}

} // namespace
