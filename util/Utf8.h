#pragma once

#include <string>
#include <string_view>

// UTF-8 <-> wchar_t (UTF-32 on Linux) without depending on the process locale.
// Malformed UTF-8 becomes U+FFFD; code points that cannot be encoded are dropped.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
