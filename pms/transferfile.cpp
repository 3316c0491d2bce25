#include "pms/transferfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/text.h"
#include "records/recordfile.h"
#include "records/recordtypes.h"
#include "records/textconv.h"
#include "records/toothtags.h"

namespace pms {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return text;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return std::string();
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (char ch : latin1) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            utf8 += ch;
        } else {
            utf8 += char(0xc0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3f));
        }
    }
    return utf8;
}

// UTF-8 to ISO-8859-1; a character beyond U+00FF (or a malformed sequence) becomes '?'.
std::string Utf8ToLatin1(const std::string& utf8) {
    std::string latin1;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            latin1 += char(c);
            ++i;
            continue;
        }
        size_t length = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc0 ? 2 : 1;
        // U+00A0..U+00FF; the C1 controls U+0080..U+009F are no text either.
        if (length == 2 && i + 1 < utf8.size() &&
            (c == 0xc3 || (c == 0xc2 && static_cast<unsigned char>(utf8[i + 1]) >= 0xa0)) &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xc0) == 0x80) {
            latin1 += char(((c & 0x1f) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3f));
        } else {
            latin1 += '?';
        }
        i += length;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xc0) == 0x80) ++i;
    }
    return latin1;
}

// True when the non-ASCII bytes of the text all form well-formed UTF-8 sequences (and there is
// at least one): such a file was written as UTF-8, not as ISO-8859-1.
bool LooksLikeUtf8(const std::string& text) {
    bool any = false;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t more = c >= 0xc2 && c <= 0xdf ? 1 : c >= 0xe0 && c <= 0xef ? 2 : c >= 0xf0 && c <= 0xf4 ? 3 : 0;
        if (more == 0 || text.size() - i <= more) return false;
        for (size_t k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
        }
        any = true;
        i += more + 1;
    }
    return any;
}

// A value as one line of text: line breaks and other control characters become spaces.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    }
    return text;
}

}  // namespace

bool IniText::Parse(const std::string& latin1, std::string* problem) {
    m_sections.assign(1, Section{});
    m_lineEnd = "\r\n";
    if (latin1.size() > kMaxTransferBytes) {
        *problem = text::Tr("the file is larger than %n KiB", nullptr, int(kMaxTransferBytes / 1024));
        return false;
    }
    if (latin1.compare(0, 3, "\xef\xbb\xbf") == 0 || LooksLikeUtf8(latin1)) {
        *problem = text::Tr("the file is UTF-8 text, not ISO-8859-1");
        return false;
    }
    for (size_t i = 0; i < latin1.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(latin1[i]);
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7f || (c >= 0x80 && c < 0xa0)) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", c);
            *problem = text::Arg(text::Tr("the file is not ISO-8859-1 text (byte %1 at offset %2)"),
                                 {byte, std::to_string(i)});
            return false;
        }
    }
    const size_t firstEnd = latin1.find('\n');
    if (firstEnd != std::string::npos) m_lineEnd = firstEnd > 0 && latin1[firstEnd - 1] == '\r' ? "\r\n" : "\n";
    size_t start = 0;
    while (start < latin1.size()) {
        size_t end = latin1.find('\n', start);
        if (end == std::string::npos) end = latin1.size();
        std::string raw = latin1.substr(start, end - start);
        start = end + 1;
        while (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::string line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            m_sections.push_back(Section{Latin1ToUtf8(Trim(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || line[0] == '#' || equals == std::string::npos || equals == 0) {
            m_sections.back().lines.push_back(Line{std::string(), std::string(), raw});
            continue;
        }
        m_sections.back().lines.push_back(
            Line{Latin1ToUtf8(Trim(line.substr(0, equals))), Latin1ToUtf8(Trim(line.substr(equals + 1))), raw});
    }
    return true;
}

IniText::Section* IniText::Find(const std::string& section) {
    const std::string wanted = Upper(section);
    for (size_t i = 1; i < m_sections.size(); ++i) {
        if (Upper(m_sections[i].name) == wanted) return &m_sections[i];
    }
    return nullptr;
}

const IniText::Section* IniText::Find(const std::string& section) const {
    return const_cast<IniText*>(this)->Find(section);
}

bool IniText::HasSection(const std::string& section) const { return Find(section) != nullptr; }

std::string IniText::Value(const std::string& section, const std::string& key, bool* found) const {
    if (found) *found = false;
    const Section* s = Find(section);
    if (!s) return std::string();
    const std::string wanted = Upper(key);
    for (const Line& line : s->lines) {
        if (!line.key.empty() && Upper(line.key) == wanted) {
            if (found) *found = true;
            return line.value;
        }
    }
    return std::string();
}

void IniText::Set(const std::string& section, const std::string& key, const std::string& value) {
    if (m_sections.empty()) m_sections.assign(1, Section{});
    Section* s = Find(section);
    if (!s) {
        m_sections.push_back(Section{section, {}});
        s = &m_sections.back();
    }
    const std::string wanted = Upper(key);
    for (Line& line : s->lines) {
        if (!line.key.empty() && Upper(line.key) == wanted) {
            line.value = OneLine(value);
            line.raw.clear();
            return;
        }
    }
    // After the section's last key, before the blank lines and comments that close it.
    size_t at = s->lines.size();
    while (at > 0 && s->lines[at - 1].key.empty()) --at;
    s->lines.insert(s->lines.begin() + long(at), Line{key, OneLine(value), std::string()});
}

void IniText::RemoveSection(const std::string& section) {
    const std::string wanted = Upper(section);
    for (size_t i = 1; i < m_sections.size(); ++i) {
        if (Upper(m_sections[i].name) == wanted) {
            m_sections.erase(m_sections.begin() + long(i));
            return;
        }
    }
}

std::string IniText::Latin1Text() const {
    std::string text;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0) text += "[" + Utf8ToLatin1(m_sections[i].name) + "]" + m_lineEnd;
        for (const Line& line : m_sections[i].lines) {
            // A line kavimo did not change goes back as the system wrote it.
            text += !line.raw.empty() || line.key.empty() ? line.raw
                                                          : Utf8ToLatin1(line.key) + "=" + Utf8ToLatin1(line.value);
            text += m_lineEnd;
        }
    }
    return text;
}

bool ReadTransferRequest(const IniText& file, const std::string& today, TransferRequest* request,
                         std::string* problem) {
    TransferRequest read;
    if (!file.HasSection("PATIENT")) {
        *problem = text::Tr("the transfer file has no [PATIENT] section");
        return false;
    }
    read.patient.patientId = file.Value("PATIENT", "PATID");
    read.patient.lastName = file.Value("PATIENT", "LASTNAME");
    read.patient.firstName = file.Value("PATIENT", "FIRSTNAME");
    read.patient.phone = file.Value("PATIENT", "PHONE");
    const std::string birthday = file.Value("PATIENT", "BIRTHDAY");
    if (!BirthDateOf(birthday, &read.patient.birthDate)) {
        *problem = text::Arg(text::Tr("the birth date \"%1\" is not a date (YYYYMMDD or DD.MM.YYYY)"), {birthday});
        return false;
    }
    const std::string sex = file.Value("PATIENT", "SEX");
    if (!SexLetterOf(sex, &read.patient.sex)) {
        *problem = text::Arg(text::Tr("the sex \"%1\" is not M, W, D or U"), {sex});
        return false;
    }
    const std::string patientProblem = RequestProblem(read.patient, today);
    if (!patientProblem.empty()) {
        *problem = patientProblem;
        return false;
    }
    const std::string countText = file.Value("MMOS", "COUNT");
    const long count = countText.empty() ? 0 : std::strtol(countText.c_str(), nullptr, 10);
    if (countText.find_first_not_of("0123456789") != std::string::npos || count < 0 || count > 1000) {
        *problem = text::Arg(text::Tr("[MMOS] COUNT \"%1\" is not a number of pictures"), {countText});
        return false;
    }
    for (long n = 1; n <= count; ++n) {
        const std::string section = "MMO" + std::to_string(n);
        const std::string mmoid = file.Value(section, "MMOID");
        if (!IsValidMmoid(mmoid)) {
            //: %1 is a section of the transfer file ("MMO1"), %2 the picture name given there
            *problem = text::Arg(text::Tr("[%1] MMOID \"%2\" is not a picture of kavimo's"), {section, mmoid});
            return false;
        }
        read.pictures.push_back(mmoid);
    }
    if (file.HasSection("MMOPATH")) {
        read.action = TransferAction::ExportPictures;
        read.exportFolder = file.Value("MMOPATH", "PATH");
        if (read.exportFolder.empty() || read.exportFolder[0] != '/') {
            *problem = text::Arg(text::Tr("[MMOPATH] PATH \"%1\" is not an absolute folder path"), {read.exportFolder});
            return false;
        }
        if (read.pictures.empty()) {
            *problem = text::Tr("the export names no pictures ([MMOS] COUNT)");
            return false;
        }
    } else if (!read.pictures.empty()) {
        read.action = TransferAction::ShowPictures;
    }
    *request = read;
    return true;
}

std::string TeethOfPicture(const std::string& patientHostDir, const std::string& pictureName) {
    return records::FdiList(records::ToothTags::Load(patientHostDir).TagsOf(pictureName).teethFdi);
}

std::vector<PictureEntry> ListPictures(const std::string& patientHostDir) {
    std::vector<PictureEntry> pictures;
    std::string bytes(sizeof(_DISE_PIC) * size_t(4096), '\0');
    int error = 0;
    const ssize_t n =
        records::ReadFileAt(patientHostDir + "/" + records::kPictureListFile, &bytes[0], bytes.size(), 0, &error);
    if (n <= 0) return pictures;
    const records::ToothTags tags = records::ToothTags::Load(patientHostDir);
    for (size_t at = 0; at + sizeof(_DISE_PIC) <= size_t(n); at += sizeof(_DISE_PIC)) {
        _DISE_PIC record;
        std::memcpy(&record, bytes.data() + at, sizeof record);
        const std::string path(record.path, strnlen(record.path, sizeof record.path));
        const std::string name = path.substr(path.find_last_of("\\/") + 1);
        if (name.size() < 5 || Upper(name.substr(name.size() - 4)) != ".JPG") continue;
        const std::string mmoid = name.substr(0, name.size() - 4);
        std::string resolved;
        std::string file = patientHostDir + "/";
        file += name;
        if (!IsValidMmoid(mmoid) || !records::ResolveFileWithin(file, patientHostDir, &resolved, &error)) {
            continue;
        }
        char date[16];
        char time[16];
        std::snprintf(date, sizeof date, "%04u%02u%02u", unsigned(record.year) % 10000u, unsigned(record.month) % 100u,
                      unsigned(record.day) % 100u);
        std::snprintf(time, sizeof time, "%02u%02u%02u", unsigned(record.hour) % 100u, unsigned(record.minute) % 100u,
                      unsigned(record.second) % 100u);
        pictures.push_back(
            PictureEntry{mmoid, name, date, time, records::FdiList(tags.TagsOf(name).teethFdi), std::string()});
    }
    return pictures;
}

namespace {

// True when the text is written in a script ISO-8859-1 lacks (Greek, Cyrillic, Arabic, Chinese):
// in the file it would be a row of '?'. A stray sign such as the euro, or a Polish letter, is not.
bool InScriptBeyondLatin1(const std::string& utf8) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const unsigned char* end = p + utf8.size();
    while (p < end) {
        char32_t code = 0;
        const size_t length = records::DecodeUtf8At(p, end, &code);
        // Past the Latin letters, except general punctuation and symbols (U+2000 to U+2BFF).
        if (length > 0 && code >= 0x370 && (code < 0x2000 || code > 0x2bff)) return true;
        p += length > 0 ? length : 1;
    }
    return false;
}

// What each answer means, for a reason given in a language the file cannot hold.
const char* AnswerMeaning(int errorLevel) {
    switch (errorLevel) {
        case kTransferPatientRefused:
            return "the patient's data cannot be taken";
        case kTransferUnknownPatient:
            return "kavimo has no patient with this ID";
        case kTransferUnknownPicture:
            return "a chosen picture is not one of the patient's";
        case kTransferFailed:
            return "the records or the export folder could not be written";
        case kTransferNotTaken:
            return "the running kavimo did not take the patient";
        default:
            return "";
    }
}

}  // namespace

void SetAnswer(IniText* file, int errorLevel, const std::string& errorText) {
    file->Set("STATUS", "READY", "1");
    file->Set("STATUS", "ERRORLEVEL", std::to_string(errorLevel));
    // The practice system shows the text to its user; kavimo's own reasons come in the user's
    // language, which the file may not be able to hold.
    file->Set("STATUS", "ERRORTEXT", InScriptBeyondLatin1(errorText) ? AnswerMeaning(errorLevel) : errorText);
}

void SetPictureList(IniText* file, const std::vector<PictureEntry>& pictures) {
    const long before = std::strtol(file->Value("MMOS", "COUNT").c_str(), nullptr, 10);
    for (long n = 1; n <= std::max<long>(before, 0) && n <= 1000; ++n) file->RemoveSection("MMO" + std::to_string(n));
    file->RemoveSection("MMOS");
    file->Set("MMOS", "COUNT", std::to_string(pictures.size()));
    for (size_t i = 0; i < pictures.size(); ++i) {
        const std::string section = "MMO" + std::to_string(i + 1);
        const PictureEntry& p = pictures[i];
        file->Set(section, "MMOID", p.mmoid);
        // A picture of the intraoral camera.
        file->Set(section, "TYPE", "PHOTO");
        file->Set(section, "TEETH", p.teeth);
        file->Set(section, "DATE", p.date);
        file->Set(section, "TIME", p.time);
        file->Set(section, "COMMENT", p.comment);
        file->Set(section, "EXT", "JPG");
    }
}

bool ReadTransferFile(const std::string& path, IniText* file, std::string* problem) {
    std::string bytes(kMaxTransferBytes + 1, '\0');
    int error = 0;
    const ssize_t n = records::ReadFileAt(path, &bytes[0], bytes.size(), 0, &error);
    if (n < 0) {
        *problem = text::Arg(text::Tr("cannot read %1: %2"), {path, std::strerror(error)});
        return false;
    }
    bytes.resize(size_t(n));
    std::string why;
    if (!file->Parse(bytes, &why)) {
        *problem = path + ": " + why;
        return false;
    }
    return true;
}

bool WriteTransferFile(const std::string& path, const IniText& file, std::string* problem) {
    struct stat old = {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0600;
    const size_t slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = dir + "/." + name + ".XXXXXX";
    const int fd = ::mkstemp(&temp[0]);
    auto fail = [&] {
        const int failure = errno;
        *problem = text::Arg(text::Tr("cannot write %1: %2"), {path, std::strerror(failure)});
        return false;
    };
    if (fd < 0) return fail();
    const std::string text = file.Latin1Text();
    size_t written = 0;
    bool ok = ::fchmod(fd, mode) == 0;
    while (ok && written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) written += size_t(n);
    }
    ok = ok && ::fsync(fd) == 0;
    const int savedErrno = errno;
    ::close(fd);
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        errno = ok ? errno : savedErrno;
        const bool result = fail();
        ::unlink(temp.c_str());
        return result;
    }
    records::SyncDirectory(dir);
    return true;
}

int ExportPictures(const std::string& patientHostDir, const TransferRequest& request, IniText* file,
                   std::string* problem) {
    if (!records::IsDirectory(request.exportFolder)) {
        *problem = text::Arg(text::Tr("the export folder %1 does not exist"), {request.exportFolder});
        return kTransferFailed;
    }
    const std::vector<PictureEntry> listed = ListPictures(patientHostDir);
    for (size_t i = 0; i < request.pictures.size(); ++i) {
        const std::string& mmoid = request.pictures[i];
        const PictureEntry* picture = nullptr;
        for (const PictureEntry& entry : listed) {
            if (entry.mmoid == mmoid) picture = &entry;
        }
        std::string source;
        int error = 0;
        if (!picture ||
            !records::ResolveFileWithin(patientHostDir + "/" + picture->file, patientHostDir, &source, &error)) {
            *problem = text::Arg(text::Tr("the picture %1 is not one of the patient's"), {mmoid});
            return kTransferUnknownPicture;
        }
        std::ifstream in(source, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string target = request.exportFolder + "/" + mmoid + ".jpg";
        if (!in.good() && !in.eof()) {
            *problem = text::Arg(text::Tr("cannot read the picture %1"), {mmoid});
            return kTransferFailed;
        }
        if (!records::ReplaceFile(target, bytes.data(), bytes.size(), &error)) {
            *problem = text::Arg(text::Tr("cannot write %1: %2"), {target, std::strerror(error)});
            return kTransferFailed;
        }
        file->Set("MMO" + std::to_string(i + 1), "FILE", target);
    }
    return kTransferDone;
}

}  // namespace pms
