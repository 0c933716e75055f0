#include "util/Cp932Text.h"

#include "util/Utf8.h"

namespace {

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A lead byte followed by anything else is a broken character on its own; the
// next byte (a comma, say) stays what it is.
bool IsCp932TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

} // namespace

std::string Cp932ToUtf8Lossy(CTextCodec& codec, std::string_view cp932, const Cp932Loss& loss) {
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
            pos += length;
        } else {
            out += loss.mark;
            pos += loss.byByte ? 1 : length;
        }
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
        // A broken piece costs a "?" per byte, unless it has a character's
        // shape and only its value is one UTF-8 forbids.
        const Utf8Char step = Utf8CharAt(utf8, pos);
        const size_t length = step.wholeSequence ? step.length : 1;
        if (codec.Utf8ToCp932(utf8.substr(pos, length), piece) == CTextCodec::kOk) {
            out += piece;
        } else {
            out += '?';
        }
        pos += length;
    }
    return out;
}
