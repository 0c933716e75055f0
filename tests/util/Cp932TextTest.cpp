#include "util/Cp932Text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Row {
    std::string in;
    std::string out;
};

// The .dat reader: a piece that does not decode becomes one U+FFFD, a whole
// unassigned double-byte character included.
TEST(Cp932TextTest, PerCharacterLossMarksEachBrokenCharacterOnce) {
    const Row rows[] = {
        {"\x97\xE2\x96\x5B", "冷房"},     {"A\x83", "A\uFFFD"}, // lead byte cut off by the end
        {"\x83 ,", "\uFFFD ,"},           // lead byte before a byte no trail can be
        {"\x85\x40Z", "\uFFFDZ"},         // unassigned pair
        {"\x80,\xFD", "\uFFFD,\uFFFD"},   // bytes CP932 never uses
        {"\xB4\xB1\x85\x40", "ｴｱ\uFFFD"}, // half-width katakana stay
    };
    CTextCodec codec;
    for (const Row& row : rows) {
        EXPECT_EQ(Cp932ToUtf8Lossy(codec, row.in), row.out) << row.in;
    }
}

// The model text: each byte that does not decode becomes "?", and a trail
// byte after a broken lead byte is read again on its own.
TEST(Cp932TextTest, PerByteLossKeepsTheTrailByteOfABrokenPair) {
    const Row rows[] = {
        {"\x97\xE2\x96\x5B", "冷房"}, {"A\x83", "A?"},   {"R\x80\x97\xE2\x85\x40Z", "R?冷?@Z"},
        {"\x85\x85\x40", "??@"},      {"\x83 ,", "? ,"}, {"\xFD\xB1", "?ｱ"},
    };
    CTextCodec codec;
    for (const Row& row : rows) {
        EXPECT_EQ(Cp932ToUtf8Lossy(codec, row.in, kCp932LossPerByte), row.out) << row.in;
    }
}

// A character CP932 lacks costs one "?"; a broken UTF-8 sequence costs one per
// byte unless it has a character's shape.
TEST(Cp932TextTest, EncoderMarksWhatCp932CannotHold) {
    const Row rows[] = {
        {"和室1", "\x98\x61\x8E\xBA"
                  "1"},
        {"A\xF0\x9F\x98\x80Z", "A?Z"},
        {"a\xE3\x81"
         "b",
         "a??b"},
        {"\xE0\x80\x80!", "?!"},
        {"\xED\xA0\x80", "?"},
        {"\xC0\x80", "??"},
        {"\x80", "?"},
    };
    CTextCodec codec;
    for (const Row& row : rows) {
        EXPECT_EQ(Utf8ToCp932Lossy(codec, row.in), row.out) << row.in;
    }
}

} // namespace
