#include "records/textconv.h"

#include <cstring>

namespace records {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(char16_t(cp));
    } else {
        cp -= 0x10000;
        out.push_back(char16_t(0xD800 + (cp >> 10)));
        out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    }
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(char(cp));
    } else if (cp < 0x800) {
        out.push_back(char(0xC0 | (cp >> 6)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(char(0xE0 | (cp >> 12)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (cp >> 18)));
        out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The sequence a lead byte above 0x7F starts: its length, the bits it carries and the smallest
// code point that length may encode (anything below is an overlong form). False for a stray
// continuation byte or a byte that starts no sequence.
bool Utf8Lead(unsigned char c, size_t* length, char32_t* cp, char32_t* minimum) {
    if (c >= 0xC2 && c <= 0xDF) {
        *length = 2, *cp = c & 0x1F, *minimum = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        *length = 3, *cp = c & 0x0F, *minimum = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        *length = 4, *cp = c & 0x07, *minimum = 0x10000;
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out.push_back(char16_t(c));
            ++i;
            continue;
        }
        size_t length;
        char32_t cp;
        char32_t minimum;
        if (!Utf8Lead(c, &length, &cp, &minimum)) {
            out.push_back(char16_t(kReplacement));  // stray continuation or invalid lead byte
            ++i;
            continue;
        }
        size_t taken = 1;
        while (taken < length && i + taken < n && IsContinuation(static_cast<unsigned char>(text[i + taken]))) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + taken]) & 0x3F);
            ++taken;
        }
        if (taken < length || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            // One replacement for the malformed sequence; resume after the bytes consumed.
            out.push_back(char16_t(kReplacement));
        } else {
            AppendUtf16(out, cp);
        }
        i += taken;
    }
    return out;
}

size_t DecodeUtf8At(const unsigned char* p, const unsigned char* end, char32_t* code) {
    const unsigned char c = *p;
    if (c < 0x80) {
        *code = c;
        return 1;
    }
    size_t length;
    char32_t cp;
    char32_t minimum;
    if (!Utf8Lead(c, &length, &cp, &minimum)) return 0;
    if (size_t(end - p) < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if (!IsContinuation(p[i])) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    *code = cp;
    return length;
}

std::string Utf16ToAnsi(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

std::u16string FieldText(const char16_t* field, size_t units) {
    size_t length = 0;
    while (length < units && field[length] != 0) ++length;
    return std::u16string(field, length);
}

std::string FieldText(const char* field, size_t bytes) { return std::string(field, ::strnlen(field, bytes)); }

bool SetFieldText(char16_t* field, size_t units, std::u16string_view text) {
    if (units == 0) return text.empty();
    size_t length = 0;
    while (length < text.size() && text[length] != 0) ++length;  // an embedded NUL ends the text
    const bool fits = length <= units - 1;
    if (!fits) {
        length = units - 1;
        if (length > 0 && IsHighSurrogate(text[length - 1])) --length;  // keep the pair whole or drop it
    }
    std::memset(field, 0, units * sizeof(char16_t));
    std::memcpy(field, text.data(), length * sizeof(char16_t));
    return fits;
}

bool SetFieldText(char* field, size_t bytes, std::string_view text) {
    if (text.size() + 1 > bytes || text.find('\0') != std::string_view::npos) return false;
    std::memset(field, 0, bytes);
    std::memcpy(field, text.data(), text.size());
    return true;
}

}  // namespace records
