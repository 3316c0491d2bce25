// Text that came from the records, the disk or the network, made safe to print on a terminal.
#pragma once

#include <string>
#include <vector>

namespace recordtool {

// The text with every control character (bytes below 0x20, 0x7F, and the C1 controls U+0080 to
// U+009F) and every byte that is not part of valid UTF-8 written as a visible escape ("\x1b"), so
// that a name or an answer cannot move the cursor, retitle the window or end a line. Everything
// else, backslashes included (they are in every d: path), is kept as it is.
std::string Printable(const std::string& text);

// The columns UTF-8 text takes on a terminal: two for the wide characters of Chinese, Japanese
// and Korean (and the full-width forms), one for every other character.
size_t Columns(const std::string& text);

// The text padded with spaces to `width` columns, after it or before it (for numbers); text as
// wide or wider is kept as it is.
std::string PadRight(const std::string& text, size_t width);
std::string PadLeft(const std::string& text, size_t width);

// A column of a printed table: its heading, the columns its values take at least, and whether
// they are set to the right (numbers).
struct TableColumn {
    std::string heading;
    size_t width = 0;
    bool right = false;
};

// The table's lines, the headings first, each cell separated from the next by a blank and padded
// to its column's width: the widest of the column's least width, its heading (in the user's
// language) and its values, so that headings and values stay lined up in every language. A
// left-set last cell is not padded.
std::vector<std::string> TableLines(const std::vector<TableColumn>& columns,
                                    const std::vector<std::vector<std::string>>& rows);

// `one` for a count of 1, else `many`: a count's text in the user's language, which in English
// without a message catalog still says "1 patient" (`many` is the "%n" text, whose translation
// has every plural form the language needs).
inline const std::string& Counted(long long n, const std::string& one, const std::string& many) {
    return n == 1 ? one : many;
}

}  // namespace recordtool
