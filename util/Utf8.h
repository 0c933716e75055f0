#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one walk over UTF-8 text. The codec's check, the lossy CP932 encoder,
// the debug log's widening, the command line's columns and the model-text cut
// all step through text with Utf8CharAt, so they agree on where a character
// ends, also in a broken text.

// One step of the walk: a character, or a broken sequence taken as one piece.
struct Utf8Char {
    size_t length = 1;      // bytes of the step, at least 1
    char32_t codePoint = 0; // the character; 0 when not wellFormed
    // A character UTF-8 allows: every byte there, shortest form, no
    // surrogate, nothing above U+10FFFF.
    bool wellFormed = false;
    // A first byte UTF-8 uses (ASCII or 0xC2..0xF4) with every continuation
    // byte it announces: a character's shape, though the value may still be
    // one UTF-8 forbids (an overlong form, a surrogate, above U+10FFFF).
    bool wholeSequence = false;
};

// The step that starts at `pos` (< text.size()). A broken sequence is its
// first byte and the continuation bytes after it, at most as many as the first
// byte's bit pattern announces (110xxxxx one, 1110xxxx two, 11110xxx three); a
// stray continuation byte or a byte 0xF8..0xFF is a step of its own.
Utf8Char Utf8CharAt(std::string_view text, size_t pos);

// 10xxxxxx: a byte inside a character, never its start.
constexpr bool IsUtf8Continuation(unsigned char byte) {
    return (byte & 0xC0u) == 0x80u;
}

// True when every step of `text` is well-formed.
bool IsWellFormedUtf8(std::string_view text);

// UTF-8 <-> wchar_t (UTF-32 on Linux) without depending on the process locale.
// Each broken step becomes one U+FFFD; code points that cannot be encoded are
// dropped.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
