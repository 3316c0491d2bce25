// Arbitrary bytes through the 8-bit <-> UTF-16 conversions and the fixed-field helpers: valid text
// must come back unchanged, anything else must come out as well-formed text without a crash.
//
// Input: byte 0 picks the field size for the field helpers; the rest is read both as 8-bit text
// and as UTF-16 code units.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "records/textconv.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition) Fail(what);
}

bool IsHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Strict UTF-8, written independently of the converter: shortest forms only, no surrogates,
// nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length;
        uint32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, cp = c & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static const uint32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

bool IsValidUtf16(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsHigh(text[i])) {
            if (i + 1 >= text.size() || !IsLow(text[i + 1])) return false;
            ++i;
        } else if (IsLow(text[i])) {
            return false;
        }
    }
    return true;
}

void CheckUtf8Direction(std::string_view bytes) {
    const std::u16string wide = records::AnsiToUtf16(bytes);
    Check(IsValidUtf16(wide), "AnsiToUtf16 made an unpaired surrogate");
    Check(wide.size() <= bytes.size(), "AnsiToUtf16 made more units than bytes");
    const std::string back = records::Utf16ToAnsi(wide);
    if (IsValidUtf8(bytes)) {
        Check(back == bytes, "valid UTF-8 did not survive the round trip");
    } else {
        Check(!bytes.empty(), "empty text called invalid");
        Check(wide.find(u'\uFFFD') != std::u16string::npos, "malformed UTF-8 left no U+FFFD");
    }
    // Whatever came out is now valid and stable.
    Check(IsValidUtf8(back), "Utf16ToAnsi made malformed UTF-8");
    Check(records::AnsiToUtf16(back) == wide, "the converted text is not stable");
}

void CheckUtf16Direction(std::u16string_view units) {
    const std::string narrow = records::Utf16ToAnsi(units);
    Check(IsValidUtf8(narrow), "Utf16ToAnsi made malformed UTF-8");
    Check(narrow.size() <= units.size() * 3, "Utf16ToAnsi made more than 3 bytes a unit");
    const std::u16string back = records::AnsiToUtf16(narrow);
    Check(back.size() == units.size(), "a unit was lost or added on the way back");
    if (IsValidUtf16(units)) {
        Check(back == units, "valid UTF-16 did not survive the round trip");
    } else {
        for (size_t i = 0; i < units.size(); ++i) {
            Check(back[i] == units[i] || back[i] == u'\uFFFD', "a unit changed into another");
        }
    }
}

void CheckFields(size_t units, std::u16string_view wide, std::string_view bytes) {
    std::vector<char16_t> field(units + 1, char16_t(0xA5A5));  // the extra unit must stay put
    const bool fits = records::SetFieldText(field.data(), units, wide);
    Check(field[units] == char16_t(0xA5A5), "SetFieldText wrote past the field");
    const std::u16string stored = records::FieldText(field.data(), units);
    const std::u16string whole(wide.substr(0, std::min(wide.size(), wide.find(u'\0'))));
    if (units > 0) {
        Check(stored.size() < units, "a UTF-16 field without its NUL");
        for (size_t i = stored.size(); i < units; ++i) Check(field[i] == 0, "field tail not zero");
        Check(whole.compare(0, stored.size(), stored) == 0, "the field is not a prefix of the text");
        Check(fits == (stored == whole), "SetFieldText misreported whether the text fit");
        if (!fits) {
            Check(stored.size() + 2 >= units, "the text was cut shorter than needed");
            const bool splitPair = !stored.empty() && IsHigh(stored.back()) && IsLow(whole[stored.size()]);
            Check(!splitPair, "a surrogate pair was split");
        }
    }

    std::vector<char> narrow(units + 1, char(0x5A));
    std::memset(narrow.data(), 0x33, units);
    const bool narrowFits = records::SetFieldText(narrow.data(), units, bytes);
    Check(narrow[units] == char(0x5A), "SetFieldText wrote past the 8-bit field");
    const bool shouldFit = bytes.size() < units && bytes.find('\0') == std::string_view::npos;
    Check(narrowFits == shouldFit, "SetFieldText misreported whether the 8-bit text fit");
    if (narrowFits) {
        Check(records::FieldText(narrow.data(), units) == bytes, "8-bit field lost its text");
    } else {
        for (size_t i = 0; i < units; ++i) Check(narrow[i] == 0x33, "a refused text changed the field");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t fieldUnits = data[0] % 40;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::u16string units(bytes.size() / 2, u'\0');
    std::memcpy(units.data(), bytes.data(), units.size() * sizeof(char16_t));

    CheckUtf8Direction(bytes);
    CheckUtf16Direction(units);
    CheckFields(fieldUnits, units, bytes);
    return 0;
}
