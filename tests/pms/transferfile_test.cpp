#include "pms/transferfile.h"

#include <sys/stat.h>

#include "records/toothtags.h"
#include "tests/records/recordtest.h"

namespace {

using recordtest::ReadBytes;
using recordtest::WriteBytes;

// A patient import as a practice system writes it, in ISO-8859-1 with CR LF.
const std::string kImport =
    "; written by the practice system\r\n"
    "[PATIENT]\r\n"
    "PATID=4711\r\n"
    "LASTNAME=M\xfcller\r\n"
    "FIRSTNAME=J\xfcrgen\r\n"
    "BIRTHDAY=05.05.1985\r\n"
    "SEX=W\r\n"
    "X-VENDOR=kept as it is\r\n"
    "\r\n"
    "[MISC]\r\n"
    "odd line without equals\r\n";

pms::TransferRequest RequestOf(const std::string& latin1, bool* ok, std::string* problem) {
    pms::IniText file;
    pms::TransferRequest request;
    *ok = file.Parse(latin1, problem) && pms::ReadTransferRequest(file, "20261208", &request, problem);
    return request;
}

}  // namespace

TEST(TransferFile, RefusesTextThatIsNotIso88591) {
    pms::IniText file;
    std::string problem;
    EXPECT_TRUE(file.Parse(kImport, &problem)) << problem;
    // The same file saved as UTF-8: "Müller" would come out as "MÃ¼ller".
    EXPECT_FALSE(file.Parse("[PATIENT]\r\nPATID=1\r\nLASTNAME=M\xc3\xbcller\r\n", &problem));
    EXPECT_NE(problem.find("UTF-8"), std::string::npos);
    EXPECT_FALSE(file.Parse("\xef\xbb\xbf[PATIENT]\r\nPATID=1\r\n", &problem));
    EXPECT_FALSE(file.Parse(std::string("[PATIENT]\r\nPATID=1\0\r\n", 19), &problem));
    EXPECT_FALSE(file.Parse("[PATIENT]\r\nLASTNAME=\x84quote\x93\r\n", &problem));  // Windows-1252 quotes
    EXPECT_FALSE(file.Parse(std::string(pms::kMaxTransferBytes + 1, 'a'), &problem));
}

TEST(TransferFile, AnswerKeepsTheSystemsLinesAndItsEncoding) {
    pms::IniText file;
    std::string problem;
    ASSERT_TRUE(file.Parse(kImport, &problem)) << problem;
    EXPECT_EQ(file.Value("patient", "lastname"), "M\xc3\xbcller");  // UTF-8 inside, any case of names
    pms::SetAnswer(&file, pms::kTransferPatientRefused,
                   "Gr\xc3\xb6\xc3\x9f"
                   "e\nzu gro\xc3\x9f \xe2\x82\xac");
    pms::SetPictureList(&file,
                        {pms::PictureEntry{"20261208101010", "20261208101010.jpg", "20261208", "101010", "", ""}});
    const std::string text = file.Latin1Text();
    EXPECT_NE(text.find("; written by the practice system\r\n[PATIENT]\r\nPATID=4711\r\nLASTNAME=M\xfcller\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("X-VENDOR=kept as it is\r\n"), std::string::npos);
    EXPECT_NE(text.find("odd line without equals\r\n"), std::string::npos);
    // One line, in ISO-8859-1; the euro sign ISO-8859-1 lacks becomes '?'.
    EXPECT_NE(text.find("[STATUS]\r\nREADY=1\r\nERRORLEVEL=1\r\nERRORTEXT=Gr\xf6\xdf"
                        "e zu gro\xdf ?\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[MMOS]\r\nCOUNT=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("[MMO1]\r\nMMOID=20261208101010\r\nTYPE=PHOTO\r\nTEETH=\r\nDATE=20261208\r\nTIME=101010"),
              std::string::npos);
    // A reason in Chinese would be a row of '?': the answer's meaning is written instead.
    pms::SetAnswer(&file, pms::kTransferUnknownPatient,
                   "kavimo \xe6\xb2\xa1\xe6\x9c\x89 ID \xe4\xb8\xba 4711 \xe7\x9a\x84\xe6\x82\xa3\xe8\x80\x85");
    EXPECT_EQ(file.Value("STATUS", "ERRORTEXT"), "kavimo has no patient with this ID");
    pms::SetAnswer(&file, pms::kTransferPatientRefused,
                   "Gr\xc3\xb6\xc3\x9f"
                   "e\nzu gro\xc3\x9f \xe2\x82\xac");
    // What was written reads back as the same file.
    pms::IniText again;
    ASSERT_TRUE(again.Parse(text, &problem)) << problem;
    EXPECT_EQ(again.Latin1Text(), text);

    // A second list replaces the first whole: no [MMO2] of an earlier, longer list stays behind.
    pms::SetPictureList(&again, {});
    pms::SetPictureList(&file, {});
    EXPECT_EQ(file.Latin1Text().find("[MMO1]"), std::string::npos);
    EXPECT_NE(file.Latin1Text().find("COUNT=0"), std::string::npos);
}

TEST(TransferFile, RequestIsReadAndCheckedAsOutsideData) {
    bool ok = false;
    std::string problem;
    pms::TransferRequest r = RequestOf(kImport, &ok, &problem);
    ASSERT_TRUE(ok) << problem;
    EXPECT_EQ(r.action, pms::TransferAction::PatientImport);
    EXPECT_EQ(r.patient.lastName, "M\xc3\xbcller");
    EXPECT_EQ(r.patient.birthDate, "19850505");
    EXPECT_EQ(r.patient.sex, "F");

    const std::string chosen = "[MMOS]\r\nCOUNT=2\r\n[MMO1]\r\nMMOID=a1\r\n[MMO2]\r\nMMOID=b2\r\n";
    r = RequestOf(kImport + chosen, &ok, &problem);
    ASSERT_TRUE(ok) << problem;
    EXPECT_EQ(r.action, pms::TransferAction::ShowPictures);
    EXPECT_EQ(r.pictures, (std::vector<std::string>{"a1", "b2"}));
    r = RequestOf(kImport + chosen + "[MMOPATH]\r\nPATH=/srv/out\r\n", &ok, &problem);
    ASSERT_TRUE(ok) << problem;
    EXPECT_EQ(r.action, pms::TransferAction::ExportPictures);
    EXPECT_EQ(r.exportFolder, "/srv/out");

    RequestOf(kImport + "[MMOS]\r\nCOUNT=1\r\n[MMO1]\r\nMMOID=../../etc/passwd\r\n", &ok, &problem);
    EXPECT_FALSE(ok);
    RequestOf(kImport + "[MMOS]\r\nCOUNT=2\r\n[MMO1]\r\nMMOID=a1\r\n", &ok, &problem);  // [MMO2] missing
    EXPECT_FALSE(ok);
    RequestOf(kImport + "[MMOS]\r\nCOUNT=-1\r\n", &ok, &problem);
    EXPECT_FALSE(ok);
    RequestOf(kImport + chosen + "[MMOPATH]\r\nPATH=relative\r\n", &ok, &problem);
    EXPECT_FALSE(ok);
    std::string future = kImport;
    future.replace(future.find("05.05.1985"), 10, "01.01.2099");
    RequestOf(future, &ok, &problem);
    EXPECT_FALSE(ok);
    EXPECT_NE(problem.find("future"), std::string::npos);
    std::string pathId = kImport;
    pathId.replace(pathId.find("4711"), 4, "47/11");
    RequestOf(pathId, &ok, &problem);
    EXPECT_FALSE(ok);
}

class TransferPicturesTest : public recordtest::RecordsTest {
protected:
    // A picture record as the store writes it.
    void AddPicture(uint64_t uid, const std::string& name, const std::string& content) {
        MakePicture(uid, name, content);
        _DISE_PIC record = {};
        record.uid = uid;
        record.year = 2026;
        record.month = 12;
        record.day = 8;
        record.hour = 9;
        record.minute = 5;
        record.second = 7;
        records::SetFieldText(record.path, Logical(uid, name));
        const std::string list = ReadBytes(PictureListHost(uid));
        WriteBytes(PictureListHost(uid), list + std::string(reinterpret_cast<const char*>(&record), sizeof record));
    }
};

TEST_F(TransferPicturesTest, ListsAndExportsOnlyThePatientsOwnPictures) {
    const uint64_t uid = 20261208090000;
    WritePatient(recordtest::MakeUser(uid, u"Zhang", 15, 1, 1));
    AddPicture(uid, "20261208090507.jpg", "first");
    AddPicture(uid, "20261208090600.jpg", "second");
    // A record naming a file that left the directory by a link is not listed.
    WriteBytes(root_ + "/secret.jpg", "secret");
    AddPicture(uid, "20261208090700.jpg", "planted");
    ::unlink((PatientHost(uid) + "/20261208090700.jpg").c_str());
    ASSERT_EQ(::symlink((root_ + "/secret.jpg").c_str(), (PatientHost(uid) + "/20261208090700.jpg").c_str()), 0);
    // The teeth tagged on a picture travel with it.
    std::string problem;
    ASSERT_TRUE(
        records::SetPictureTags(PatientHost(uid), "20261208090600.jpg", {{21, 11}, records::View::Frontal}, &problem))
        << problem;

    const std::vector<pms::PictureEntry> listed = pms::ListPictures(PatientHost(uid));
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].mmoid, "20261208090507");
    EXPECT_EQ(listed[0].date, "20261208");
    EXPECT_EQ(listed[0].time, "090507");
    EXPECT_EQ(listed[0].teeth, "");
    EXPECT_EQ(listed[1].teeth, "11,21");

    const std::string out = root_ + "/out";
    ASSERT_EQ(::mkdir(out.c_str(), 0700), 0);
    pms::IniText file;
    ASSERT_TRUE(file.Parse("[PATIENT]\r\nPATID=1\r\n", &problem));
    pms::TransferRequest request;
    request.action = pms::TransferAction::ExportPictures;
    request.exportFolder = out;
    request.pictures = {"20261208090600"};
    ASSERT_EQ(pms::ExportPictures(PatientHost(uid), request, &file, &problem), pms::kTransferDone) << problem;
    EXPECT_EQ(ReadBytes(out + "/20261208090600.jpg"), "second");
    EXPECT_EQ(file.Value("MMO1", "FILE"), out + "/20261208090600.jpg");

    request.pictures = {"20261208090700"};
    EXPECT_EQ(pms::ExportPictures(PatientHost(uid), request, &file, &problem), pms::kTransferUnknownPicture);
    EXPECT_FALSE(recordtest::Exists(out + "/20261208090700.jpg"));
}

TEST_F(TransferPicturesTest, WritingBackKeepsTheFilesModeAndLeavesNoTemporaryFile) {
    const std::string path = root_ + "/TRANSFER.INI";
    WriteBytes(path, kImport);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    pms::IniText file;
    std::string problem;
    ASSERT_TRUE(pms::ReadTransferFile(path, &file, &problem)) << problem;
    pms::SetAnswer(&file, 0, "");
    ASSERT_TRUE(pms::WriteTransferFile(path, file, &problem)) << problem;
    struct stat st = {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(path), file.Latin1Text());
    EXPECT_EQ(recordtest::Names(root_), std::vector<std::string>{"TRANSFER.INI"});
}
