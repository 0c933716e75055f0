#include "util/Utf8.h"

#include <cstdint>

namespace {
constexpr wchar_t kReplacement = 0xFFFD;
} // namespace

Utf8Char Utf8CharAt(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        return {1, lead, true, true};
    }
    size_t announced = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0u) == 0xC0u) {
        announced = 2;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
        announced = 3;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
        announced = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return {};
    }
    size_t length = 1;
    while (length < announced && pos + length < text.size()) {
        const auto next = static_cast<unsigned char>(text[pos + length]);
        if (!IsUtf8Continuation(next)) {
            break;
        }
        codePoint = (codePoint << 6) | (next & 0x3Fu);
        ++length;
    }
    const bool complete = length == announced;
    const bool wellFormed = complete && codePoint >= minimum && codePoint <= 0x10FFFF &&
                            (codePoint < 0xD800 || codePoint > 0xDFFF);
    return {length, wellFormed ? codePoint : 0, wellFormed,
            complete && lead >= 0xC2 && lead <= 0xF4};
}

bool IsWellFormedUtf8(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        const Utf8Char step = Utf8CharAt(text, pos);
        if (!step.wellFormed) {
            return false;
        }
        pos += step.length;
    }
    return true;
}

std::wstring Utf8ToWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const Utf8Char step = Utf8CharAt(text, pos);
        out.push_back(step.wellFormed ? static_cast<wchar_t>(step.codePoint) : kReplacement);
        pos += step.length;
    }
    return out;
}

std::string WideToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t wc : text) {
        const auto cp = static_cast<uint32_t>(wc);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            if (cp >= 0xD800 && cp <= 0xDFFF) {
                continue;
            }
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp <= 0x10FFFF) {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}
