#pragma once

#include "util/CTextCodec.h"

#include <string>
#include <string_view>

// Conversions at the boundary of the user's files that must never fail as a
// whole: a broken byte sequence in a .dat line or a character CP932 lacks in a
// CSV name costs that one character, not the line. Strict conversions go
// through CTextCodec directly.

// CP932 bytes to UTF-8; every byte sequence CP932 cannot decode (including a
// double-byte character cut in half) becomes U+FFFD.
std::string Cp932ToUtf8Lossy(CTextCodec& codec, std::string_view cp932);

// UTF-8 to CP932; every character CP932 has no code for becomes "?", the
// replacement Windows applies when it writes text in the ANSI code page.
std::string Utf8ToCp932Lossy(CTextCodec& codec, std::string_view utf8);
