#include "printable.h"

#include <algorithm>
#include <cstdio>

#include "records/textconv.h"

namespace recordtool {

namespace {

// The length of the valid UTF-8 sequence at text[at] and its code point, or 0 when there is none.
size_t SequenceAt(const std::string& text, size_t at, char32_t* code) {
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    return records::DecodeUtf8At(begin + at, begin + text.size(), code);
}

void AppendEscape(std::string* out, unsigned char c) {
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02x", c);
    out->append(escape);
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
        char32_t code = 0;
        const size_t length = SequenceAt(text, at, &code);
        if (length == 0) {  // shown as an escape: four columns
            columns += 4;
            ++at;
            continue;
        }
        columns += IsWide(code) ? 2 : 1;
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

std::vector<std::string> TableLines(const std::vector<TableColumn>& columns,
                                    const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const TableColumn& column : columns) widths.push_back(std::max(column.width, Columns(column.heading)));
    for (const std::vector<std::string>& row : rows) {
        for (size_t i = 0; i < widths.size() && i < row.size(); ++i) widths[i] = std::max(widths[i], Columns(row[i]));
    }
    const auto line = [&](const std::vector<std::string>& cells) {
        std::string text;
        for (size_t i = 0; i < columns.size() && i < cells.size(); ++i) {
            if (i > 0) text += ' ';
            if (columns[i].right) {
                text += PadLeft(cells[i], widths[i]);
            } else {
                text += i + 1 == columns.size() ? cells[i] : PadRight(cells[i], widths[i]);
            }
        }
        return text;
    };
    std::vector<std::string> headings;
    for (const TableColumn& column : columns) headings.push_back(column.heading);
    std::vector<std::string> lines{line(headings)};
    for (const std::vector<std::string>& row : rows) lines.push_back(line(row));
    return lines;
}

std::string Printable(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const size_t length = SequenceAt(text, at, &code);
        const auto lead = static_cast<unsigned char>(text[at]);
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
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
