#pragma once

#include "resources/CStringTable.h"

#include <QString>

#include <cstdint>
#include <string_view>

// The core's UTF-8 text as the QString the windows draw: record fields, names
// and the string table's entries. The one conversion ui/, dialogs/ and app/
// share, so a text reads the same wherever it is shown.

inline QString Utf8Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The string table's text with this id.
inline QString TableText(int32_t id) {
    return Utf8Text(CStringTable::Text(id));
}

// The table's text with its printf conversions filled in (ints and C
// strings, as CStringTable::Format takes them).
template <typename... Args>
inline QString TableFormat(int32_t id, Args... args) {
    return Utf8Text(CStringTable::Format(id, args...));
}
