#include "util/CTextCodec.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodecTest, RoundTripsJapaneseAndAscii) {
    CTextCodec codec;
    ASSERT_TRUE(codec.IsAvailable());
    std::string cp932;
    ASSERT_EQ(codec.Utf8ToCp932("リビング1 RAS-X", cp932), CTextCodec::kOk);
    // "リ" is 0x83 0x8A in CP932; ASCII stays as it is.
    ASSERT_GE(cp932.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(cp932[0]), 0x83);
    EXPECT_EQ(static_cast<unsigned char>(cp932[1]), 0x8A);
    EXPECT_EQ(cp932.substr(cp932.size() - 7), "1 RAS-X");
    std::string back;
    ASSERT_EQ(codec.Cp932ToUtf8(cp932, back), CTextCodec::kOk);
    EXPECT_EQ(back, "リビング1 RAS-X");
}

TEST(TextCodecTest, WindowsOnlyCharactersSurvive) {
    // The circled digit and NEC row-13 characters exist in CP932 but not in
    // plain Shift_JIS; a file written by the Windows program may hold them.
    std::string cp932;
    ASSERT_EQ(CTextCodec::ToCp932("①№", cp932), CTextCodec::kOk);
    std::string back;
    ASSERT_EQ(CTextCodec::ToUtf8(cp932, back), CTextCodec::kOk);
    EXPECT_EQ(back, "①№");
}

TEST(TextCodecTest, UnrepresentableCharacterIsReportedAndOutputEmpty) {
    std::string cp932 = "stale";
    EXPECT_EQ(CTextCodec::ToCp932("abc😀", cp932), CTextCodec::kUnrepresentable);
    EXPECT_TRUE(cp932.empty());
}

TEST(TextCodecTest, MalformedInputIsReportedAsInvalid) {
    std::string out = "stale";
    EXPECT_EQ(CTextCodec::ToCp932("ab\xC3", out), CTextCodec::kInvalidInput);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(CTextCodec::ToCp932("\xED\xA0\x80", out), CTextCodec::kInvalidInput); // surrogate
    // A CP932 lead byte with nothing after it, and a lead byte with an
    // impossible trail byte.
    EXPECT_EQ(CTextCodec::ToUtf8("ab\x83", out), CTextCodec::kInvalidInput);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(CTextCodec::ToUtf8("\x83\x20", out), CTextCodec::kInvalidInput);
}

TEST(TextCodecTest, EmptyAndLongTexts) {
    CTextCodec codec;
    std::string out = "stale";
    EXPECT_EQ(codec.Utf8ToCp932("", out), CTextCodec::kOk);
    EXPECT_TRUE(out.empty());
    // Longer than the internal buffer, so the conversion runs in several steps.
    std::string longText;
    for (int i = 0; i < 500; ++i) {
        longText += "和室";
    }
    std::string cp932;
    ASSERT_EQ(codec.Utf8ToCp932(longText, cp932), CTextCodec::kOk);
    EXPECT_EQ(cp932.size(), 2000u);
    std::string back;
    ASSERT_EQ(codec.Cp932ToUtf8(cp932, back), CTextCodec::kOk);
    EXPECT_EQ(back, longText);
}

} // namespace
