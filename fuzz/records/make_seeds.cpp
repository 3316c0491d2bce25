// Writes the seed corpus of the records fuzzers:
//   records_fuzz_seeds <directory>
// creates <directory>/records_fuzz_store (work directories as records_fuzz_store reads them: a
// flags byte, then UserList.fdb, UserInfoBackup.fdb, DisePicList.fdb, Hospital.fdb and
// DiagList.fdb separated by "#FDB#") and <directory>/records_fuzz_text (a field-size byte, then
// text).
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "records/recordnames.h"
#include "records/recordtypes.h"
#include "records/textconv.h"

namespace {

template <typename Record>
std::string Bytes(const Record& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

_USER_INFO Patient(uint64_t uid, const std::u16string& name, const std::u16string& description) {
    _USER_INFO user = {};
    user.uid = uid;
    records::SetFieldText(user.name, name);
    user.sex = 1;
    user.age = 40;
    user.phone = 12345678901ll;
    records::SetFieldText(user.dirPath, records::PatientDirPath(uid));
    records::SetFieldText(user.description, description);
    return user;
}

_DISE_PIC Picture(uint64_t uid, const std::string& path) {
    _DISE_PIC picture = {};
    picture.uid = uid;
    picture.year = 2024;
    picture.month = 1;
    picture.day = 2;
    picture.dayOfWeek = 3;
    picture.hour = 10;
    records::SetFieldText(picture.path, path);
    return picture;
}

std::string Store(uint8_t flags, const std::vector<std::string>& pieces) {
    std::string out(1, char(flags));
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i) out += "#FDB#";
        out += pieces[i];
    }
    return out;
}

bool Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(root / "records_fuzz_store", ec);
    std::filesystem::create_directories(root / "records_fuzz_text", ec);

    const uint64_t uid = 20170801102233ull;
    const std::string dir = records::PatientDirPath(uid);
    const _USER_INFO user = Patient(uid, u"Test User", u"Caries, upper left molar");
    _USER_INFO counted = user;
    counted.picCount = 2;
    counted.diagCount = 1;
    _DIAG_ITEM diag = {};
    records::SetFieldText(diag.text, u"Caries, upper left molar");
    const std::string pictures =
        Bytes(Picture(uid, dir + "\\20240102100000.jpg")) + Bytes(Picture(uid, dir + "\\20240102100500.jpg"));
    const std::u16string hospital = u"City Dental Clinic";
    const std::string hospitalBytes(reinterpret_cast<const char*>(hospital.data()), hospital.size() * sizeof(char16_t));
    // A record whose texts fill their fields without a NUL, and a picture naming other files.
    _USER_INFO unterminated;
    std::memset(&unterminated, 'A', sizeof unterminated);
    unterminated.uid = uid;
    unterminated.picCount = 3;
    const std::string strayPictures = Bytes(Picture(uid, dir + "\\..\\UserList.fdb")) +
                                      Bytes(Picture(uid, dir + "\\UserInfoBackup.fdb")) +
                                      Bytes(Picture(uid, "c:\\Windows\\win.ini"));

    const std::vector<std::string> store = {
        Store(0x00, {Bytes(user), Bytes(user), "", hospitalBytes, ""}),
        Store(0x09, {Bytes(counted), Bytes(counted), pictures, hospitalBytes, Bytes(diag)}),
        Store(0x17, {"", Bytes(counted), pictures.substr(0, 200), "", ""}),
        Store(0x65, {Bytes(user), Bytes(unterminated), strayPictures, std::string(200, 'H'), ""}),
        Store(0x8A, {Bytes(user).substr(0, 500), Bytes(user).substr(0, 1000), "", "", ""}),
    };
    const std::vector<std::string> text = {
        std::string("\x10") + "Test User",
        std::string("\x08") + "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80",
        std::string("\x05") + "\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80\xE4\xB8",
        std::string("\x11\x3D\xD8\x00\xDE\x00\xD8\x41\x00", 9),
    };
    bool ok = true;
    for (size_t i = 0; i < store.size(); ++i) {
        ok = Write(root / "records_fuzz_store" / ("seed" + std::to_string(i)), store[i]) && ok;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        ok = Write(root / "records_fuzz_text" / ("seed" + std::to_string(i)), text[i]) && ok;
    }
    if (!ok) std::fprintf(stderr, "could not write the corpus in %s\n", argv[1]);
    return ok ? 0 : 1;
}
