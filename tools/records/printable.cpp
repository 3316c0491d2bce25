#include "printable.h"

#include <cstdio>

namespace recordtool {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at text[at], or 0 when there is none. Overlong forms,
// surrogates and code points above U+10FFFF are not valid.
size_t SequenceLength(const std::string& text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    const size_t left = text.size() - at;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return left >= 2 && IsContinuation(byte(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !IsContinuation(byte(1)) || !IsContinuation(byte(2))) return 0;
        if (lead == 0xE0 && byte(1) < 0xA0) return 0;   // overlong
        if (lead == 0xED && byte(1) >= 0xA0) return 0;  // surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !IsContinuation(byte(1)) || !IsContinuation(byte(2)) || !IsContinuation(byte(3))) return 0;
        if (lead == 0xF0 && byte(1) < 0x90) return 0;   // overlong
        if (lead == 0xF4 && byte(1) >= 0x90) return 0;  // above U+10FFFF
        return 4;
    }
    return 0;
}

void AppendEscape(std::string* out, unsigned char c) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02x", c);
    out->append(escape);
}

// The code point of the valid UTF-8 sequence of `length` bytes at text[at].
char32_t CodePoint(const std::string& text, size_t at, size_t length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (size_t i = 1; i < length; ++i) code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return code;
}

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

size_t Columns(const std::string& text) {
    size_t columns = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t length = SequenceLength(text, at);
        if (length == 0) {  // shown as an escape: four columns
            columns += 4;
            ++at;
            continue;
        }
        columns += IsWide(CodePoint(text, at, length)) ? 2 : 1;
        at += length;
    }
    return columns;
}

std::string PadRight(const std::string& text, size_t width) {
    const size_t columns = Columns(text);
    return columns >= width ? text : text + std::string(width - columns, ' ');
}

std::string PadLeft(const std::string& text, size_t width) {
    const size_t columns = Columns(text);
    return columns >= width ? text : std::string(width - columns, ' ') + text;
}

std::string Printable(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = SequenceLength(text, at);
        const auto lead = static_cast<unsigned char>(text[at]);
        const bool control = length == 1
                                 ? lead < 0x20 || lead == 0x7F
                                 : length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        if (length == 0) {
            AppendEscape(&out, lead);
            ++at;
        } else if (control) {
            for (size_t i = 0; i < length; ++i) AppendEscape(&out, static_cast<unsigned char>(text[at + i]));
            at += length;
        } else {
            out.append(text, at, length);
            at += length;
        }
    }
    return out;
}

}  // namespace recordtool
