// Which teeth and which view each picture of a patient shows, kept beside the record files in a
// small UTF-8 text file of the patient's directory. The record files know nothing of it; a reader
// that does not know the file sees the pictures as before.
//
//   kavimo-teeth 1
//   20261208140312.jpg<TAB>11,21<TAB>frontal
//   20261208140517.jpg<TAB>36<TAB>
//   20261208141002.jpg<TAB><TAB>upper-occlusal
//
// After the first line, one line per tagged picture: its file name in the patient's directory,
// its teeth as FDI two-digit numbers (ISO 3950: 11-18, 21-28, 31-38, 41-48 permanent, 51-55,
// 61-65, 71-75, 81-85 deciduous) in ascending order separated by commas, and its view (one of
// the names below, or empty). The file always holds FDI numbers; the notation a clinic reads is
// only a matter of display. It is written whole through a temporary file and a rename
// (records::ReplaceFile), so it is either the old or the new one.
//
// Plain functions and a value class without Qt; any thread. The work directory's lock keeps two
// programs from writing the file at once.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace records {

inline constexpr const char* kToothTagsFile = "Teeth.txt";
inline constexpr const char* kToothTagsHeader = "kavimo-teeth 1";
// A patient with tens of thousands of tagged pictures stays far below this; a larger file is not one.
inline constexpr size_t kMaxToothTagsBytes = 4 * 1024 * 1024;

// The view a picture was taken from.
enum class View { None, Frontal, LeftBuccal, RightBuccal, UpperOcclusal, LowerOcclusal, CloseUp, Other };

// Every view but None, in the order a chooser lists them.
inline constexpr View kViews[] = {View::Frontal,       View::LeftBuccal, View::RightBuccal, View::UpperOcclusal,
                                  View::LowerOcclusal, View::CloseUp,    View::Other};

// The view's name in the file and on the command line ("left-buccal"); "" for None.
const char* ViewName(View view);
// The view as people read it ("Left buccal"), in the user's language; "" for None.
std::string ViewLabel(View view);
// Reads a view name; also takes spaces or underscores for the hyphen and any letter case. False
// for anything else (an empty text is View::None).
bool ParseView(const std::string& text, View* view);

// True for an FDI tooth number of the permanent (11-48) or deciduous (51-85) teeth.
bool IsFdiTooth(int fdi);
bool IsDeciduousTooth(int fdi);

// Reads a list of FDI numbers such as "11,21" or "21 11" (commas and/or spaces). The teeth come
// back in ascending order without repeats. False, with the reason, for anything that is not a
// tooth; an empty text is an empty list.
bool ParseFdiTeeth(const std::string& text, std::vector<int>* teeth, std::string* problem);

// The teeth as the file writes them: "11,21".
std::string FdiList(const std::vector<int>& teeth);

// How a clinic writes tooth numbers.
enum class ToothNotation {
    Fdi,        // two digits, quadrant and tooth: 11, 21, 55
    Universal,  // 1-32 for permanent teeth from the upper right third molar, A-T for deciduous ones
    Palmer,     // quadrant and the tooth's place from the midline: UR1, UL8, LRA (deciduous A-E)
};

// The notation's name in the settings ("fdi", "universal", "palmer") and the reverse.
const char* NotationName(ToothNotation notation);
bool ParseNotation(const std::string& text, ToothNotation* notation);

// One tooth in a notation ("" for a number that is not a tooth); a list joined by `separator`.
std::string ToothName(int fdi, ToothNotation notation);
std::string TeethText(const std::vector<int>& teeth, ToothNotation notation, const char* separator = " ");

// What one picture shows.
struct PictureTags {
    std::vector<int> teethFdi;  // ascending, no repeats
    View view = View::None;

    bool Empty() const { return teethFdi.empty() && view == View::None; }
    bool operator==(const PictureTags& other) const { return teethFdi == other.teethFdi && view == other.view; }
    bool operator!=(const PictureTags& other) const { return !(*this == other); }
};

// The tags of one patient's pictures, by picture file name.
class ToothTags {
public:
    enum class Found { None, Read, Damaged };

    // The tags of the patient directory (host path): empty when the file is missing or damaged;
    // *found says which, *problem why a damaged file is not one.
    static ToothTags Load(const std::string& patientHostDir, Found* found = nullptr, std::string* problem = nullptr);

    // Reads the file's text. False, with the line and reason, when it is not such a file.
    static bool Parse(const std::string& text, ToothTags* tags, std::string* problem);
    std::string Text() const;

    // Writes the file whole (records::ReplaceFile); with no tags left the file is removed. False
    // with the reason.
    bool Save(const std::string& patientHostDir, std::string* error) const;

    // The picture's tags (empty when it has none). `pictureName` is the file name, "x.jpg".
    PictureTags TagsOf(const std::string& pictureName) const;

    // Sets a picture's tags; empty tags remove its line. False for a name the file cannot hold (a
    // path, a tab or line break in it) or tags that are not teeth.
    bool Set(const std::string& pictureName, const PictureTags& tags);
    // Moves a picture's tags to a new name (replacing what that name had). False when it had none.
    bool Rename(const std::string& from, const std::string& to);
    // Removes the tags of every picture for which `keep` is false; returns how many went.
    template <typename Keep>
    size_t RemoveUnless(Keep keep) {
        size_t removed = 0;
        for (auto it = m_pictures.begin(); it != m_pictures.end();) {
            if (keep(it->first)) {
                ++it;
            } else {
                it = m_pictures.erase(it);
                ++removed;
            }
        }
        return removed;
    }

    const std::map<std::string, PictureTags>& Pictures() const { return m_pictures; }
    bool Empty() const { return m_pictures.empty(); }

private:
    std::map<std::string, PictureTags> m_pictures;
};

// A picture of the patient and when it was taken (any key that orders by time, such as
// YYYYMMDDhhmmss as a number).
struct DatedPicture {
    std::string name;  // file name
    long long taken = 0;
};

// For Compare: the index in `pictures` of the latest picture taken before pictures[shown] that
// shows one of the same teeth (taken at the same time counts as earlier when it comes first in
// the list); -1 when the shown picture has no teeth or no earlier picture shares one.
int EarlierPictureOfSameTooth(const ToothTags& tags, const std::vector<DatedPicture>& pictures, size_t shown);

// True when a file name can be a key of the file: not empty, no slash, backslash, tab or control
// character.
bool IsTaggableName(const std::string& pictureName);

// Reads the patient's file, sets one picture's tags and writes it back. A damaged file is left as
// it is (writing would lose what it holds): false with the reason, as for a failed write.
bool SetPictureTags(const std::string& patientHostDir, const std::string& pictureName, const PictureTags& tags,
                    std::string* error);

}  // namespace records
