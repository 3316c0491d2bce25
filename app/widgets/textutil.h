// Text between the records' UTF-16 fields and Qt strings.
#pragma once

#include <QString>

#include <cstddef>
#include <string>

#include "records/textconv.h"

inline QString ToQString(const std::u16string& text) { return QString::fromUtf16(text.data(), qsizetype(text.size())); }

inline std::u16string ToU16String(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size()));
}

// A fixed UTF-16 field up to its first NUL.
inline QString FieldQString(const char16_t* field, size_t units) { return ToQString(records::FieldText(field, units)); }

// The first `units` code units of a text, never ending in the first half of a surrogate pair.
inline QString LeftUnits(const QString& text, int units) {
    if (text.size() <= units) return text;
    int n = units;
    if (n > 0 && text.at(n - 1).isHighSurrogate()) --n;
    return text.left(n);
}
