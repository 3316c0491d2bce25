// Reads a text line by line, as the outbox and the worklist files are written: each line ends at
// '\n' (not included); a last line without '\n' is a line too, while a '\n' at the very end starts
// none. Empty lines are lines; a '\r' stays part of its line.
#pragma once

#include <string>

namespace dicom {

class TextLines {
public:
    // The text is read in place: it must outlive the reader.
    explicit TextLines(const std::string& text) : m_text(text) {}
    explicit TextLines(std::string&&) = delete;

    // The next line into *line; false after the last one.
    bool Next(std::string* line) {
        if (m_start >= m_text.size()) return false;
        size_t end = m_text.find('\n', m_start);
        if (end == std::string::npos) end = m_text.size();
        line->assign(m_text, m_start, end - m_start);
        m_start = end + 1;
        return true;
    }

private:
    const std::string& m_text;
    size_t m_start = 0;
};

}  // namespace dicom
