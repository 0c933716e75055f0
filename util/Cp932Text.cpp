#include "util/Cp932Text.h"

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD"; // U+FFFD

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A lead byte followed by anything else is a broken character on its own; the
// next byte (a comma, say) stays what it is.
bool IsCp932TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

} // namespace

size_t Utf8CharLength(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (pos + length > text.size()) {
        return 1;
    }
    for (size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[pos + k]) & 0xC0u) != 0x80u) {
            return 1;
        }
    }
    return length;
}

std::string Cp932ToUtf8Lossy(CTextCodec& codec, std::string_view cp932) {
    std::string out;
    if (codec.Cp932ToUtf8(cp932, out) == CTextCodec::kOk) {
        return out;
    }
    // Slow path only for damaged text: decode character by character.
    out.clear();
    std::string piece;
    size_t pos = 0;
    while (pos < cp932.size()) {
        const auto byte = static_cast<unsigned char>(cp932[pos]);
        size_t length = 1;
        if (IsCp932LeadByte(byte) && pos + 1 < cp932.size() &&
            IsCp932TrailByte(static_cast<unsigned char>(cp932[pos + 1]))) {
            length = 2;
        }
        if (codec.Cp932ToUtf8(cp932.substr(pos, length), piece) == CTextCodec::kOk &&
            !piece.empty()) {
            out += piece;
        } else {
            out += kReplacementUtf8;
        }
        pos += length;
    }
    return out;
}

std::string Utf8ToCp932Lossy(CTextCodec& codec, std::string_view utf8) {
    std::string out;
    if (codec.Utf8ToCp932(utf8, out) == CTextCodec::kOk) {
        return out;
    }
    out.clear();
    std::string piece;
    size_t pos = 0;
    while (pos < utf8.size()) {
        const size_t length = Utf8CharLength(utf8, pos);
        if (codec.Utf8ToCp932(utf8.substr(pos, length), piece) == CTextCodec::kOk) {
            out += piece;
        } else {
            out += '?';
        }
        pos += length;
    }
    return out;
}
