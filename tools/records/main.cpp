// kavimo-records: a look into a work directory for support staff. It never changes the records;
// the archive commands write DICOM files elsewhere or send the pictures to the archive, and `tag`
// sets a picture's teeth and view beside the records.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "audit.h"
#include "check.h"
#include "dicom/installation.h"
#include "dicom/pacsclient.h"
#include "dicomcommands.h"
#include "kavimo_version.h"
#include "platform/filemode.h"
#include "platform/paths.h"
#include "platform/settingsfile.h"
#include "platform/text.h"
#include "printable.h"
#include "records/patientdetails.h"
#include "records/recordnames.h"
#include "records/textconv.h"
#include "records/toothtags.h"
#include "teeth.h"
#include "tools/common/optionparser.h"
#include "workdirscan.h"

namespace {

using recordtool::PatientDir;
using recordtool::Printable;

// In the user's language (the message catalogs).
std::string Usage() {
    return text::Tr(
        "Usage: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND\n"
        "\n"
        "Looks into the patient records of kavimo without changing them; tag sets a picture's\n"
        "teeth and view beside them.\n"
        "\n"
        "Commands:\n"
        "  list        every patient: number, UID, name, sex, age, phone, diagnoses, pictures\n"
        "  show UID    one patient's record, diagnoses and pictures with their teeth and views\n"
        "              (UID20170801102233 or the digits)\n"
        "  tag UID PICTURE [--teeth 11,21] [--view VIEW]\n"
        "              sets the teeth (FDI numbers; empty: none) and the view of a picture, PICTURE\n"
        "              as show names it (its number, path or file name); VIEW is frontal,\n"
        "              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up or other\n"
        "              (empty: none). Refused while kavimo has the work directory open\n"
        "  check       compares each patient's counts with its list files and picture files, checks\n"
        "              that each picture holds a JPEG, and looks for missing backups and stray files;\n"
        "              exit status 1 on a problem\n"
        "  export-dicom UID DIR [--pacs-issuer TEXT]\n"
        "              writes every picture of the patient into DIR/DICOM/ with a DICOMDIR\n"
        "  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS options]\n"
        "              sends every picture of the patient to the archive, one line per picture\n"
        "              (these two write the installation's identity, Installation.txt in the work\n"
        "              directory, when there is none yet: every UID they make carries it)\n"
        "  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS options] [--date YYYYMMDD]\n"
        "              the patients the worklist schedules for the day (today by default)\n"
        "  audit [--since YYYYMMDD]\n"
        "              the audit trail: who captured, saved, deleted, exported or sent what, and\n"
        "              when, one event per line (from the day given on)\n"
        "\n"
        "Options:\n"
        "  --drive-d DIR   host directory that stands for the d: drive (default: $KAVIMO_DRIVE_D,\n"
        "                  else paths/drive_d of kavimo.ini ($KAVIMO_CONFIG, else\n"
        "                  ~/.config/kavimo/kavimo.ini), else $XDG_DATA_HOME/kavimo/d, i.e.\n"
        "                  ~/.local/share/kavimo/d; without HOME it must be given)\n"
        "  --data-group GROUP  the group that shares the records: what this program writes gets\n"
        "                  mode 0660 (folders 0770) and the group (default: $KAVIMO_DATA_GROUP,\n"
        "                  else paths/data_group of kavimo.ini, else none: 0600 and 0700)\n"
        "  --pacs AET@HOST:PORT  the archive: its AE title, host and DICOM port\n"
        "  --calling-aet AET     kavimo's own AE title (default KAVIMO)\n"
        "  --pacs-issuer TEXT    Issuer of Patient ID for kavimo's own Patient IDs (default:\n"
        "                        $KAVIMO_PACS_ISSUER, else KAVIMO- and 8 hex digits of the\n"
        "                        installation's identity)\n"
        "  --pacs-tls on|off     talk to the archive over TLS (default off: plain TCP)\n"
        "  --pacs-tls-ca FILE    the CA certificates (PEM) the archive's certificate must chain to;\n"
        "                        the certificate must also name the archive's host\n"
        "  --pacs-tls-cert FILE  kavimo's own certificate (PEM), for archives that ask for one\n"
        "  --pacs-tls-key FILE   the unencrypted private key (PEM) of that certificate\n"
        "  --date YYYYMMDD       the worklist's day\n"
        "  --since YYYYMMDD      the audit trail's first day\n"
        "  --teeth LIST          tag: the picture's teeth, FDI numbers such as 11,21\n"
        "  --view VIEW           tag: the picture's view\n"
        "  -h, --help      this text\n"
        "  --version       the version of kavimo this program belongs to\n"
        "\n"
        "Exit status: 0 fine; 1 problems found, no such patient or picture, the work directory in\n"
        "use, or a picture or file not written or not stored; 2 wrong usage or no work directory.\n");
}

int UsageError(const char* message) {
    std::fprintf(stderr, "kavimo-records: %s\n\n%s", Printable(message).c_str(), Usage().c_str());
    return 2;
}

// A text field of a record, as UTF-8 that is safe to print.
std::string Utf8(const std::u16string& text) { return Printable(records::Utf16ToAnsi(text)); }

// Pads UTF-8 text to a column width counted in characters, not bytes.
std::string PadRight(const std::string& text, size_t width) {
    size_t characters = 0;
    for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
    return characters >= width ? text : text + std::string(width - characters, ' ');
}

const char* SexText(int32_t sex) { return sex != 0 ? "male" : "female"; }

bool LoadWorkDir(recordtool::WorkDir* workDir) {
    *workDir = recordtool::ScanWorkDir();
    if (!workDir->exists) {
        std::fprintf(stderr, "kavimo-records: no work directory at %s\n", Printable(workDir->hostDir).c_str());
        return false;
    }
    return true;
}

int List() {
    recordtool::WorkDir workDir;
    if (!LoadWorkDir(&workDir)) return 2;
    const std::vector<const PatientDir*> patients = recordtool::Patients(workDir);
    std::printf("Work directory %s (%s)\n", records::kWorkDir, Printable(workDir.hostDir).c_str());
    const std::u16string hospital = recordtool::ReadHospital(nullptr);
    std::printf("Hospital: %s\n", hospital.empty() ? "(not set)" : Utf8(hospital).c_str());
    std::printf("%zu patient%s\n\n", patients.size(), patients.size() == 1 ? "" : "s");
    if (patients.empty()) return 0;
    std::printf("%-5s %-18s %-16s %-6s %4s %-14s %6s %6s\n", "No.", "UID", "Name", "Sex", "Age", "Phone", "Diags",
                "Pics");
    for (size_t i = 0; i < patients.size(); ++i) {
        const _USER_INFO& user = patients[i]->user;
        std::printf("%-5zu %-18s %s %-6s %4d %-14lld %6d %6d\n", i + 1, records::UidText(user.uid).c_str(),
                    PadRight(Utf8(records::FieldText(user.name)), 16).c_str(), SexText(user.sex), user.age,
                    static_cast<long long>(user.phone), user.diagCount, user.picCount);
    }
    return 0;
}

bool ParseUid(const std::string& text, uint64_t* uid) {
    std::string digits = text;
    if (digits.size() > 3 && (digits.compare(0, 3, "UID") == 0 || digits.compare(0, 3, "uid") == 0)) {
        digits = digits.substr(3);
    }
    if (digits.empty() || digits.size() > 19) return false;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
    }
    errno = 0;
    *uid = std::strtoull(digits.c_str(), nullptr, 10);
    return errno == 0;
}

// What was typed for the patient, from its details file (or an old worklist file).
void ShowDetails(const PatientDir& patient) {
    records::PatientDetails details;
    std::string problem;
    const auto line = [](const char* label, const std::string& value) {
        std::printf("    %-18s %s\n", label, Printable(value).c_str());
    };
    switch (records::ReadPatientDetails(patient.hostDir, &details, &problem)) {
        case records::DetailsFound::None:
            std::printf("  Details:     none (%s is missing)\n", records::kDetailsFile);
            return;
        case records::DetailsFound::Damaged:
            std::printf("  Details:     damaged %s: %s\n", records::kDetailsFile, Printable(problem).c_str());
            return;
        case records::DetailsFound::OldWorklist:
            std::printf("  Details:     from %s\n", records::kOldWorklistFile);
            break;
        case records::DetailsFound::Details:
            std::printf("  Details:     from %s\n", records::kDetailsFile);
            break;
    }
    static const struct {
        const char* letter;
        const char* text;
    } kSexes[] = {{"F", "female"}, {"M", "male"}, {"O", "other"}, {"U", "unknown"}};
    std::string sex = details.sex;
    for (const auto& known : kSexes) {
        if (details.sex == known.letter) sex = std::string(known.text) + " (" + known.letter + ")";
    }
    line("Full name:", details.name);
    line("Phone:", details.phone);
    line("Birth date:", details.birthDate);
    line("Sex:", sex);
    line("Patient ID:", details.patientId);
    line("Issuer:", details.issuer);
    line("Worklist name:", details.personName);
}

// The patient `uid` of the work directory and its number in the list; null, with a message,
// when there is none.
const PatientDir* FindPatient(const recordtool::WorkDir& workDir, uint64_t uid, size_t* number) {
    const std::vector<const PatientDir*> patients = recordtool::Patients(workDir);
    for (size_t i = 0; i < patients.size(); ++i) {
        if (patients[i]->user.uid == uid) {
            *number = i + 1;
            return patients[i];
        }
    }
    std::fprintf(stderr, "kavimo-records: no patient %s in %s\n", records::UidText(uid).c_str(),
                 Printable(workDir.hostDir).c_str());
    return nullptr;
}

int Tag(const std::string& uidText, const recordtool::TagRequest& request) {
    uint64_t uid = 0;
    if (!ParseUid(uidText, &uid)) return UsageError(text::Arg(text::Tr("not a UID: %1"), {uidText}).c_str());
    if (!request.hasTeeth && !request.hasView) return UsageError(text::Tr("tag needs --teeth or --view").c_str());
    recordtool::WorkDir workDir;
    if (!LoadWorkDir(&workDir)) return 2;
    size_t number = 0;
    const PatientDir* found = FindPatient(workDir, uid, &number);
    return found ? recordtool::TagPicture(workDir, *found, request) : 1;
}

int Show(const std::string& uidText) {
    uint64_t uid = 0;
    if (!ParseUid(uidText, &uid)) return UsageError(text::Arg(text::Tr("not a UID: %1"), {uidText}).c_str());
    recordtool::WorkDir workDir;
    if (!LoadWorkDir(&workDir)) return 2;
    size_t number = 0;
    const PatientDir* found = FindPatient(workDir, uid, &number);
    if (!found) return 1;
    const std::vector<const PatientDir*> patients = recordtool::Patients(workDir);
    const _USER_INFO& user = found->user;
    const recordtool::ListFile<_DIAG_ITEM> diags = recordtool::ReadDiagList(*found);
    const recordtool::ListFile<_DISE_PIC> pictures = recordtool::ReadPictureList(*found);

    std::printf("Patient %zu of %zu\n", number, patients.size());
    std::printf("  UID:         %s\n", records::UidText(user.uid).c_str());
    std::printf("  Name:        %s\n", Utf8(records::FieldText(user.name)).c_str());
    std::printf("  Sex:         %s (%d)\n", SexText(user.sex), user.sex);
    std::printf("  Age:         %d\n", user.age);
    std::printf("  Phone:       %lld\n", static_cast<long long>(user.phone));
    std::printf("  Directory:   %s (%s)\n", Printable(records::FieldText(user.dirPath)).c_str(),
                Printable(found->hostDir).c_str());
    std::printf("  Description: %s\n", Utf8(records::FieldText(user.description)).c_str());
    ShowDetails(*found);
    std::printf("  Diagnoses:   %d (DiagList.fdb holds %zu)\n", user.diagCount, diags.records.size());
    for (size_t i = 0; i < diags.records.size() && int64_t(i) < user.diagCount; ++i) {
        std::printf("    %zu. %s\n", i + 1, Utf8(records::FieldText(diags.records[i].text)).c_str());
    }
    records::ToothTags::Found tagsFound = records::ToothTags::Found::None;
    std::string tagsProblem;
    const records::ToothTags tags = records::ToothTags::Load(found->hostDir, &tagsFound, &tagsProblem);
    if (tagsFound == records::ToothTags::Found::Damaged) {
        std::printf("  Teeth:       damaged %s: %s\n", records::kToothTagsFile, Printable(tagsProblem).c_str());
    }
    std::printf("  Pictures:    %d (DisePicList.fdb holds %zu)\n", user.picCount, pictures.records.size());
    for (size_t i = 0; i < pictures.records.size() && int64_t(i) < user.picCount; ++i) {
        const _DISE_PIC& p = pictures.records[i];
        const std::string path = records::FieldText(p.path);
        const std::string host = platform::HostPath(path);
        const bool exists = !host.empty() && platform::StatFile(host).exists;
        std::printf("    %zu. %d/%02d/%02d %02d:%02d:%02d  %s%s\n", i + 1, p.year, p.month, p.day, p.hour, p.minute,
                    p.second, Printable(path).c_str(), exists ? "" : "  [missing]");
        const size_t slash = path.rfind('\\');
        const std::string line = recordtool::TagsLine(tags, slash == std::string::npos ? path : path.substr(slash + 1));
        if (!line.empty()) std::printf("         %s\n", Printable(line).c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    text::UseMessageCatalogs();
    std::vector<std::string> args;
    std::string driveD, dataGroup, pacs, callingAet, date, since, issuer;
    recordtool::TagRequest tagRequest;
    bool hasDrive = false, hasDataGroup = false, hasDate = false, hasSince = false, hasIssuer = false;
    dicom::PacsTls tls;
    // Options that take a value, as "--name VALUE" or "--name=VALUE".
    auto remembered = [](const char* name, std::string* value, bool* given, const char* problem) {
        tooloptions::Option option{name, nullptr, tooloptions::Kind::Text, problem};
        option.text = [value, given](const std::string& text, std::string*) {
            *value = text;
            *given = true;
            return true;
        };
        return option;
    };
    tooloptions::Grammar grammar;
    grammar.options = {
        {"--help", "-h", tooloptions::Kind::Stop},
        {"--version", nullptr, tooloptions::Kind::Stop},
        remembered("--drive-d", &driveD, &hasDrive, "--drive-d needs a directory"),
        remembered("--data-group", &dataGroup, &hasDataGroup, "--data-group needs a group"),
        tooloptions::TextOption("--pacs", &pacs),
        tooloptions::TextOption("--calling-aet", &callingAet),
        remembered("--pacs-issuer", &issuer, &hasIssuer, "--pacs-issuer needs a text"),
        tooloptions::SwitchOption("--pacs-tls", &tls.enabled, "--pacs-tls needs on or off"),
        tooloptions::TextOption("--pacs-tls-ca", &tls.caFile),
        tooloptions::TextOption("--pacs-tls-cert", &tls.certFile),
        tooloptions::TextOption("--pacs-tls-key", &tls.keyFile),
        remembered("--date", &date, &hasDate, nullptr),
        remembered("--since", &since, &hasSince, nullptr),
        remembered("--teeth", &tagRequest.teeth, &tagRequest.hasTeeth, "--teeth needs FDI numbers such as 11,21"),
        remembered("--view", &tagRequest.view, &tagRequest.hasView, "--view needs a view"),
    };
    grammar.inlineValues = true;
    grammar.positional = [&args](const std::string& argument) {
        args.push_back(argument);
        return true;
    };
    const tooloptions::Outcome outcome = tooloptions::Parse(grammar, argc, argv);
    if (outcome.status == tooloptions::Outcome::Status::Failed) {
        return UsageError(outcome.error.c_str());
    }
    if (outcome.stoppedBy == "--help") {
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    if (outcome.stoppedBy == "--version") {
        std::puts("kavimo-records " KAVIMO_VERSION);
        return 0;
    }
    // As kavimo: the command line, else the environment, else kavimo.ini (what the Settings
    // dialog wrote).
    const std::string settings = platform::SettingsFilePath();
    const auto fromEnvironment = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
    if (!hasDrive && !fromEnvironment("KAVIMO_DRIVE_D"))
        hasDrive = platform::ReadSettingsValue(settings, "paths/drive_d", &driveD) && !driveD.empty();
    if (hasDrive) platform::SetDriveRoot(driveD);
    if (!hasDataGroup && std::getenv(platform::kDataGroupVariable)) {
        dataGroup = std::getenv(platform::kDataGroupVariable);
        hasDataGroup = true;
    }
    if (!hasDataGroup)
        hasDataGroup = platform::ReadSettingsValue(settings, "paths/data_group", &dataGroup) && !dataGroup.empty();
    std::string groupProblem;
    if (hasDataGroup && !platform::ConfigureDataGroup(dataGroup, &groupProblem)) {
        std::fprintf(stderr, "kavimo-records: %s\n", Printable(groupProblem).c_str());
        return 2;
    }
    if (args.empty()) return UsageError(text::Tr("no command given").c_str());
    const std::string& command = args[0];
    const bool workDirCommand = command == "list" || command == "check" || command == "show" || command == "tag" ||
                                command == "export-dicom" || command == "send-dicom" || command == "audit";
    if (workDirCommand && platform::DriveRoot().empty()) {
        std::fprintf(stderr, "kavimo-records: %s\n", platform::DriveRootProblem().c_str());
        return 2;
    }
    if (command == "list" && args.size() == 1) return List();
    if (command == "check" && args.size() == 1) return recordtool::RunCheck();
    if ((tagRequest.hasTeeth || tagRequest.hasView) && command != "tag") {
        return UsageError(text::Tr("--teeth and --view apply to tag only").c_str());
    }
    if (command == "show" && args.size() == 2) return Show(args[1]);
    if (command == "tag" && args.size() == 3) {
        tagRequest.picture = args[2];
        return Tag(args[1], tagRequest);
    }
    const bool archiveCommand = command == "export-dicom" || command == "send-dicom" || command == "worklist";
    const bool tlsFiles = !tls.caFile.empty() || !tls.certFile.empty() || !tls.keyFile.empty();
    if ((!pacs.empty() || !callingAet.empty() || tls.enabled || tlsFiles) && command != "send-dicom" &&
        command != "worklist") {
        return UsageError(
            text::Arg(text::Tr("--pacs, --calling-aet and the TLS options do not apply to %1"), {command}).c_str());
    }
    // Files named for TLS with TLS off would send in the clear what was meant to be protected.
    if (!tls.enabled && tlsFiles) {
        return UsageError(text::Tr("--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on").c_str());
    }
    if (hasIssuer && command != "export-dicom" && command != "send-dicom") {
        return UsageError(text::Arg(text::Tr("--pacs-issuer does not apply to %1"), {command}).c_str());
    }
    if (!hasIssuer && std::getenv("KAVIMO_PACS_ISSUER")) issuer = std::getenv("KAVIMO_PACS_ISSUER");
    if ((command == "export-dicom" || command == "send-dicom") && !issuer.empty()) {
        if (!dicom::IsValidPatientIdIssuer(issuer)) {
            return UsageError(text::Tr("--pacs-issuer needs 1 to 64 characters without a backslash").c_str());
        }
        dicom::SetPatientIdIssuer(issuer);
    }
    if (hasSince && (command != "audit" || !recordtool::IsDate(since))) {
        return UsageError(command != "audit" ? text::Tr("--since applies to audit only").c_str()
                                             : text::Tr("--since needs YYYYMMDD").c_str());
    }
    if (command == "audit" && args.size() == 1) {
        recordtool::WorkDir workDir;
        if (!LoadWorkDir(&workDir)) return 2;
        return recordtool::ShowAuditTrail(since);
    }
    if (hasDate && (command != "worklist" || !recordtool::IsDate(date))) {
        return UsageError(command != "worklist" ? text::Tr("--date applies to worklist only").c_str()
                                                : text::Tr("--date needs YYYYMMDD").c_str());
    }
    uint64_t uid = 0;
    if (command == "export-dicom" && args.size() == 3) {
        if (!ParseUid(args[1], &uid)) return UsageError(text::Arg(text::Tr("not a UID: %1"), {args[1]}).c_str());
        recordtool::WorkDir workDir;
        if (!LoadWorkDir(&workDir)) return 2;
        return recordtool::ExportDicom(uid, args[2]);
    }
    if (command == "send-dicom" && args.size() == 2 && !pacs.empty()) {
        if (!ParseUid(args[1], &uid)) return UsageError(text::Arg(text::Tr("not a UID: %1"), {args[1]}).c_str());
        recordtool::WorkDir workDir;
        if (!LoadWorkDir(&workDir)) return 2;
        return recordtool::SendDicom(uid, pacs, callingAet, tls);
    }
    if (command == "worklist" && args.size() == 1 && !pacs.empty()) {
        return recordtool::ShowWorklist(pacs, callingAet, tls, date);
    }
    if (archiveCommand && pacs.empty() && command != "export-dicom" && args.size() <= 2) {
        return UsageError(text::Arg(text::Tr("%1 needs --pacs AET@HOST:PORT"), {command}).c_str());
    }
    if (command == "list" || command == "check" || command == "show" || command == "tag" || command == "audit" ||
        archiveCommand) {
        return UsageError(text::Arg(text::Tr("wrong arguments for %1"), {command}).c_str());
    }
    return UsageError(text::Arg(text::Tr("unknown command %1"), {command}).c_str());
}
