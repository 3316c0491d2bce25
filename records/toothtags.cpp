#include "records/toothtags.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/text.h"
#include "records/recordfile.h"

namespace records {
namespace {

struct ViewNames {
    View view;
    const char* name;
};

constexpr ViewNames kViewNames[] = {
    {View::Frontal, "frontal"},
    {View::LeftBuccal, "left-buccal"},
    {View::RightBuccal, "right-buccal"},
    {View::UpperOcclusal, "upper-occlusal"},
    {View::LowerOcclusal, "lower-occlusal"},
    {View::CloseUp, "close-up"},
    {View::Other, "other"},
};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

const char* ViewName(View view) {
    for (const ViewNames& names : kViewNames) {
        if (names.view == view) return names.name;
    }
    return "";
}

std::string ViewLabel(View view) {
    switch (view) {
        case View::Frontal:
            //: the view of an intraoral picture
            return text::Tr("Frontal");
        case View::LeftBuccal:
            //: the view of an intraoral picture
            return text::Tr("Left buccal");
        case View::RightBuccal:
            //: the view of an intraoral picture
            return text::Tr("Right buccal");
        case View::UpperOcclusal:
            //: the view of an intraoral picture
            return text::Tr("Upper occlusal");
        case View::LowerOcclusal:
            //: the view of an intraoral picture
            return text::Tr("Lower occlusal");
        case View::CloseUp:
            //: the view of an intraoral picture
            return text::Tr("Close-up");
        case View::Other:
            //: the view of an intraoral picture
            return text::Tr("Other", "view");
        case View::None:
            break;
    }
    return std::string();
}

bool ParseView(const std::string& text, View* view) {
    if (text.empty()) {
        *view = View::None;
        return true;
    }
    std::string name;
    for (char c : text) {
        name += (c == ' ' || c == '_') ? '-' : (c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
    }
    if (name == "closeup") name = "close-up";
    for (const ViewNames& names : kViewNames) {
        if (name == names.name) {
            *view = names.view;
            return true;
        }
    }
    return false;
}

bool IsFdiTooth(int fdi) {
    const int quadrant = fdi / 10, tooth = fdi % 10;
    if (quadrant >= 1 && quadrant <= 4) return tooth >= 1 && tooth <= 8;
    if (quadrant >= 5 && quadrant <= 8) return tooth >= 1 && tooth <= 5;
    return false;
}

bool IsDeciduousTooth(int fdi) { return IsFdiTooth(fdi) && fdi >= 51; }

bool ParseFdiTeeth(const std::string& text, std::vector<int>* teeth, std::string* problem) {
    std::vector<int> read;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ',' || text[i] == ' ') {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && text[end] != ',' && text[end] != ' ') ++end;
        const std::string word = text.substr(i, end - i);
        const bool twoDigits = word.size() == 2 && word[0] >= '0' && word[0] <= '9' && word[1] >= '0' && word[1] <= '9';
        const int fdi = twoDigits ? (word[0] - '0') * 10 + (word[1] - '0') : 0;
        if (!twoDigits || !IsFdiTooth(fdi)) {
            if (problem) *problem = text::Arg(text::Tr("\"%1\" is not an FDI tooth number (11-48, 51-85)"), {word});
            return false;
        }
        read.push_back(fdi);
        i = end;
    }
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    *teeth = read;
    return true;
}

std::string FdiList(const std::vector<int>& teeth) {
    std::string text;
    for (int fdi : teeth) {
        if (!text.empty()) text += ',';
        text += std::to_string(fdi);
    }
    return text;
}

const char* NotationName(ToothNotation notation) {
    switch (notation) {
        case ToothNotation::Universal:
            return "universal";
        case ToothNotation::Palmer:
            return "palmer";
        case ToothNotation::Fdi:
            break;
    }
    return "fdi";
}

bool ParseNotation(const std::string& text, ToothNotation* notation) {
    std::string name;
    for (char c : text) name += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    for (ToothNotation known : {ToothNotation::Fdi, ToothNotation::Universal, ToothNotation::Palmer}) {
        if (name == NotationName(known)) {
            *notation = known;
            return true;
        }
    }
    return false;
}

std::string ToothName(int fdi, ToothNotation notation) {
    if (!IsFdiTooth(fdi)) return {};
    const int quadrant = fdi / 10, tooth = fdi % 10;
    const bool deciduous = quadrant >= 5;
    switch (notation) {
        case ToothNotation::Fdi:
            return std::to_string(fdi);
        case ToothNotation::Universal: {
            // Permanent teeth are counted 1-16 along the upper jaw from the patient's right and
            // 17-32 back along the lower jaw from the left; deciduous ones A-J and K-T alike.
            if (!deciduous) {
                static const int kFirst[] = {0, 9, 8, 25, 24};  // the number of tooth 0 of the quadrant
                static const int kStep[] = {0, -1, 1, -1, 1};   // along the count, or against it
                return std::to_string(kFirst[quadrant] + kStep[quadrant] * tooth);
            }
            static const int kFirst[] = {0, 0, 0, 0, 0, 'F', 'E', 'P', 'O'};
            static const int kStep[] = {0, 0, 0, 0, 0, -1, 1, -1, 1};
            return std::string(1, char(kFirst[quadrant] + kStep[quadrant] * tooth));
        }
        case ToothNotation::Palmer: {
            static const char* const kQuadrant[] = {"", "UR", "UL", "LL", "LR"};
            const int side = deciduous ? quadrant - 4 : quadrant;
            return std::string(kQuadrant[side]) +
                   (deciduous ? std::string(1, char('A' + tooth - 1)) : std::to_string(tooth));
        }
    }
    return {};
}

std::string TeethText(const std::vector<int>& teeth, ToothNotation notation, const char* separator) {
    std::string text;
    for (int fdi : teeth) {
        const std::string name = ToothName(fdi, notation);
        if (name.empty()) continue;
        if (!text.empty()) text += separator;
        text += name;
    }
    return text;
}

bool IsTaggableName(const std::string& pictureName) {
    if (pictureName.empty() || pictureName == "." || pictureName == "..") return false;
    for (char c : pictureName) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || c == '/' || c == '\\') return false;
    }
    return true;
}

ToothTags ToothTags::Load(const std::string& patientHostDir, Found* found, std::string* problem) {
    ToothTags tags;
    const std::string path = patientHostDir + "/" + kToothTagsFile;
    if (found) *found = Found::None;
    if (!FileExists(path)) return tags;
    std::string text(kMaxToothTagsBytes + 1, '\0');
    int error = 0;
    const ssize_t n = ReadFileAt(path, &text[0], text.size(), 0, &error);
    std::string why;
    if (n < 0) {
        why = text::Arg(text::Tr("cannot be read: %1"), {std::strerror(error)});
    } else if (size_t(n) > kMaxToothTagsBytes) {
        why = text::Tr("larger than %n bytes", nullptr, int(kMaxToothTagsBytes));
    } else {
        text.resize(size_t(n));
        if (Parse(text, &tags, &why)) {
            if (found) *found = Found::Read;
            return tags;
        }
    }
    if (found) *found = Found::Damaged;
    if (problem) *problem = why;
    return ToothTags();
}

bool ToothTags::Parse(const std::string& text, ToothTags* tags, std::string* problem) {
    ToothTags read;
    size_t start = 0;
    int lineNumber = 0;
    std::string why;
    while (start < text.size() && why.empty()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != kToothTagsHeader) why = text::Arg(text::Tr("the first line is not \"%1\""), {kToothTagsHeader});
            continue;
        }
        const std::vector<std::string> fields = SplitTabs(line);
        PictureTags picture;
        std::string teethProblem;
        if (fields.size() != 3) {
            why = text::Tr("not three tab-separated fields");
        } else if (!IsTaggableName(fields[0])) {
            why = text::Tr("not a picture's file name");
        } else if (read.m_pictures.count(fields[0])) {
            //: %1 is the file name of a picture
            why = text::Arg(text::Tr("%1 is given twice"), {fields[0]});
        } else if (!ParseFdiTeeth(fields[1], &picture.teethFdi, &teethProblem) ||
                   fields[1] != FdiList(picture.teethFdi)) {
            why = teethProblem.empty() ? text::Tr("the teeth are not in ascending order, separated by commas")
                                       : teethProblem;
        } else if (!ParseView(fields[2], &picture.view) || fields[2] != ViewName(picture.view)) {
            why = text::Arg(text::Tr("\"%1\" is not a view"), {fields[2]});
        } else if (picture.Empty()) {
            why = text::Tr("neither teeth nor a view");
        } else {
            read.m_pictures[fields[0]] = picture;
        }
    }
    if (why.empty() && lineNumber == 0) why = text::Tr("the file is empty");
    if (!why.empty()) {
        //: %1 is a line number of the teeth file, %2 what is wrong with that line
        if (problem)
            *problem = lineNumber > 0 ? text::Arg(text::Tr("line %1: %2"), {std::to_string(lineNumber), why}) : why;
        return false;
    }
    *tags = read;
    return true;
}

std::string ToothTags::Text() const {
    std::string text = std::string(kToothTagsHeader) + "\n";
    for (const auto& [name, tags] : m_pictures) {
        text += name + "\t" + FdiList(tags.teethFdi) + "\t" + ViewName(tags.view) + "\n";
    }
    return text;
}

bool ToothTags::Save(const std::string& patientHostDir, std::string* error) const {
    const std::string path = patientHostDir + "/" + kToothTagsFile;
    if (m_pictures.empty()) {
        if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
        const int removeError = errno;
        //: %1 is a file name, %2 the system's reason
        if (error) *error = text::Arg(text::Tr("cannot remove %1: %2"), {kToothTagsFile, std::strerror(removeError)});
        return false;
    }
    const std::string text = Text();
    int errorNumber = 0;
    if (ReplaceFile(path, text.data(), text.size(), &errorNumber)) return true;
    //: %1 is a file name, %2 the system's reason
    if (error) *error = text::Arg(text::Tr("cannot write %1: %2"), {kToothTagsFile, std::strerror(errorNumber)});
    return false;
}

PictureTags ToothTags::TagsOf(const std::string& pictureName) const {
    const auto found = m_pictures.find(pictureName);
    return found == m_pictures.end() ? PictureTags() : found->second;
}

bool ToothTags::Set(const std::string& pictureName, const PictureTags& tags) {
    if (!IsTaggableName(pictureName)) return false;
    std::vector<int> teeth = tags.teethFdi;
    std::sort(teeth.begin(), teeth.end());
    teeth.erase(std::unique(teeth.begin(), teeth.end()), teeth.end());
    if (!std::all_of(teeth.begin(), teeth.end(), IsFdiTooth)) return false;
    if (tags.Empty()) {
        m_pictures.erase(pictureName);
        return true;
    }
    m_pictures[pictureName] = PictureTags{teeth, tags.view};
    return true;
}

bool ToothTags::Rename(const std::string& from, const std::string& to) {
    const auto found = m_pictures.find(from);
    if (found == m_pictures.end() || !IsTaggableName(to)) return false;
    const PictureTags tags = found->second;
    m_pictures.erase(found);
    m_pictures[to] = tags;
    return true;
}

int EarlierPictureOfSameTooth(const ToothTags& tags, const std::vector<DatedPicture>& pictures, size_t shown) {
    if (shown >= pictures.size()) return -1;
    const std::vector<int> teeth = tags.TagsOf(pictures[shown].name).teethFdi;
    const long long when = pictures[shown].taken;
    int best = -1;
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (i == shown || pictures[i].name == pictures[shown].name) continue;
        const long long taken = pictures[i].taken;
        if (taken > when || (taken == when && i > shown)) continue;  // not earlier
        if (best >= 0 && taken < pictures[size_t(best)].taken) continue;
        const std::vector<int> other = tags.TagsOf(pictures[i].name).teethFdi;
        const bool shares = std::any_of(other.begin(), other.end(),
                                        [&](int fdi) { return std::binary_search(teeth.begin(), teeth.end(), fdi); });
        // Of two taken at the same time, the later in the list is the later picture.
        if (shares) best = int(i);
    }
    return best;
}

bool SetPictureTags(const std::string& patientHostDir, const std::string& pictureName, const PictureTags& tags,
                    std::string* error) {
    ToothTags::Found found = ToothTags::Found::None;
    std::string problem;
    ToothTags all = ToothTags::Load(patientHostDir, &found, &problem);
    if (found == ToothTags::Found::Damaged) {
        //: %1 is the teeth file's name, %2 what is wrong with it
        if (error) *error = text::Arg(text::Tr("%1 is damaged (%2); it is left as it is"), {kToothTagsFile, problem});
        return false;
    }
    if (!all.Set(pictureName, tags)) {
        if (error) *error = text::Arg(text::Tr("\"%1\" cannot be tagged"), {pictureName});
        return false;
    }
    return all.Save(patientHostDir, error);
}

}  // namespace records
