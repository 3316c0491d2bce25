// Text conversions between the 8-bit code page (UTF-8 on this system) and UTF-16, and helpers for
// the fixed, NUL-terminated text fields of the records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace records {

// 8-bit text to UTF-16. Malformed input (stray continuation bytes, truncated or overlong
// sequences, encoded surrogates, values above U+10FFFF) becomes U+FFFD; nothing is dropped
// silently and the conversion never fails.
std::u16string AnsiToUtf16(std::string_view text);

// The well-formed UTF-8 sequence at p (p < end): its code point goes to *code and its length
// (1-4) comes back; 0 when the bytes there are malformed (a stray or invalid byte, a cut-short or
// overlong sequence, an encoded surrogate, a value above U+10FFFF).
size_t DecodeUtf8At(const unsigned char* p, const unsigned char* end, char32_t* code);

// UTF-16 to 8-bit text. An unpaired surrogate becomes U+FFFD.
std::string Utf16ToAnsi(std::u16string_view text);

// The text of a fixed field up to its first NUL (or the whole field when it has none).
std::u16string FieldText(const char16_t* field, size_t units);
std::string FieldText(const char* field, size_t bytes);

template <size_t N>
std::u16string FieldText(const char16_t (&field)[N]) {
    return FieldText(field, N);
}
template <size_t N>
std::string FieldText(const char (&field)[N]) {
    return FieldText(field, N);
}

// Stores text in a fixed field of `units` code units: at most units - 1 code units (a surrogate
// pair is never split), then NUL, the rest of the field zero. Returns false when the text was
// shortened.
bool SetFieldText(char16_t* field, size_t units, std::u16string_view text);

// Stores 8-bit text in a fixed field of `bytes` bytes, NUL-terminated and zero-filled. Returns false
// (and leaves the field untouched) when the text does not fit; an 8-bit path is never cut short
// into a different path.
bool SetFieldText(char* field, size_t bytes, std::string_view text);

template <size_t N>
bool SetFieldText(char16_t (&field)[N], std::u16string_view text) {
    return SetFieldText(field, N, text);
}
template <size_t N>
bool SetFieldText(char (&field)[N], std::string_view text) {
    return SetFieldText(field, N, text);
}

}  // namespace records
