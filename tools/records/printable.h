// Text that came from the records, the disk or the network, made safe to print on a terminal.
#pragma once

#include <string>

namespace recordtool {

// The text with every control character (bytes below 0x20, 0x7F, and the C1 controls U+0080 to
// U+009F) and every byte that is not part of valid UTF-8 written as a visible escape ("\x1b"), so
// that a name or an answer cannot move the cursor, retitle the window or end a line. Everything
// else, backslashes included (they are in every d: path), is kept as it is.
std::string Printable(const std::string& text);

}  // namespace recordtool
