#pragma once

#include "util/CTextCodec.h"

#include <string>
#include <string_view>

// Conversions at the boundary of the user's files and of the remote
// controller that must never fail as a whole: a broken byte sequence in a .dat
// line or in a model text, or a character CP932 lacks in a CSV name, costs
// that one character, not the line. Strict conversions go through CTextCodec
// directly.

// What Cp932ToUtf8Lossy puts where CP932 bytes do not decode.
struct Cp932Loss {
    std::string_view mark; // stands for each piece that does not decode
    // A lead byte and a trail byte that CP932 leaves unassigned: false loses
    // both under one mark; true loses only the lead byte and reads the trail
    // byte again on its own, so that an ASCII trail byte ("@", say) survives.
    bool byByte;
};

// One U+FFFD per character that does not decode (the .dat reader).
inline constexpr Cp932Loss kCp932LossPerCharacter{"\xEF\xBF\xBD", false};
// One "?" per byte that does not decode (the remote controller's model text,
// which must stay exportable as CP932).
inline constexpr Cp932Loss kCp932LossPerByte{"?", true};

// CP932 bytes to UTF-8; every byte sequence CP932 cannot decode (including a
// double-byte character cut in half) becomes `loss.mark`.
std::string Cp932ToUtf8Lossy(CTextCodec& codec, std::string_view cp932,
                             const Cp932Loss& loss = kCp932LossPerCharacter);

// UTF-8 to CP932; every character CP932 has no code for becomes "?", the
// replacement Windows applies when it writes text in the ANSI code page.
std::string Utf8ToCp932Lossy(CTextCodec& codec, std::string_view utf8);
