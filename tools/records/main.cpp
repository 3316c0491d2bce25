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

using recordtool::PadLeft;
using recordtool::PadRight;
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

std::string SexText(int32_t sex) {
    //: the patient's sex
    if (sex != 0) return text::Tr("male");
    //: the patient's sex
    return text::Tr("female");
}

// A line of `show`: the label, in a column wide enough for the English ones, and the value.
void Field(const std::string& label, const std::string& value) {
    std::printf("  %s %s\n", PadRight(label, 12).c_str(), value.c_str());
}

bool LoadWorkDir(recordtool::WorkDir* workDir) {
    *workDir = recordtool::ScanWorkDir();
    if (!workDir->exists) {
        std::fprintf(stderr, "kavimo-records: %s\n",
                     text::Arg(text::Tr("no work directory at %1"), {Printable(workDir->hostDir)}).c_str());
        return false;
    }
    return true;
}

int List() {
    recordtool::WorkDir workDir;
    if (!LoadWorkDir(&workDir)) return 2;
    const std::vector<const PatientDir*> patients = recordtool::Patients(workDir);
    std::printf("%s\n",
                text::Arg(text::Tr("Work directory %1 (%2)"), {records::kWorkDir, Printable(workDir.hostDir)}).c_str());
    const std::u16string hospital = recordtool::ReadHospital(nullptr);
    std::printf(
        "%s\n",
        text::Arg(text::Tr("Hospital: %1"), {hospital.empty() ? text::Tr("(not set)") : Utf8(hospital)}).c_str());
    const long long count = static_cast<long long>(patients.size());
    std::printf(
        "%s\n\n",
        recordtool::Counted(count, text::Tr("1 patient"), text::Tr("%n patients", nullptr, int(count))).c_str());
    if (patients.empty()) return 0;
    // The UID column's heading is the same in every language.
    const std::vector<recordtool::TableColumn> columns = {
        //: a column heading of kavimo-records list: the patient's number in the list
        {text::Tr("No."), 5},
        {"UID", 18},
        //: a column heading of kavimo-records list
        {text::Tr("Name"), 16},
        //: a column heading of kavimo-records list
        {text::Tr("Sex"), 6},
        //: a column heading of kavimo-records list
        {text::Tr("Age"), 4, true},
        //: a column heading of kavimo-records list
        {text::Tr("Phone"), 14},
        //: a column heading of kavimo-records list: the patient's number of diagnoses
        {text::Tr("Diags"), 6, true},
        //: a column heading of kavimo-records list: the patient's number of pictures
        {text::Tr("Pics"), 6, true},
    };
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < patients.size(); ++i) {
        const _USER_INFO& user = patients[i]->user;
        rows.push_back({std::to_string(i + 1), records::UidText(user.uid), Utf8(records::FieldText(user.name)),
                        SexText(user.sex), std::to_string(user.age), std::to_string(static_cast<long long>(user.phone)),
                        std::to_string(user.diagCount), std::to_string(user.picCount)});
    }
    for (const std::string& line : recordtool::TableLines(columns, rows)) std::printf("%s\n", line.c_str());
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
    const auto line = [](const std::string& label, const std::string& value) {
        std::printf("    %s %s\n", PadRight(label, 18).c_str(), Printable(value).c_str());
    };
    //: a label of kavimo-records show: the details typed for the patient
    const std::string label = text::Tr("Details:");
    switch (records::ReadPatientDetails(patient.hostDir, &details, &problem)) {
        case records::DetailsFound::None:
            Field(label, text::Arg(text::Tr("none (%1 is missing)"), {records::kDetailsFile}));
            return;
        case records::DetailsFound::Damaged:
            Field(label, text::Arg(text::Tr("%1 is damaged: %2"), {records::kDetailsFile, Printable(problem)}));
            return;
        case records::DetailsFound::OldWorklist:
            Field(label, text::Arg(text::Tr("from %1"), {records::kOldWorklistFile}));
            break;
        case records::DetailsFound::Details:
            Field(label, text::Arg(text::Tr("from %1"), {records::kDetailsFile}));
            break;
    }
    // The letter is what the file holds; the word, for the reader.
    std::string sex = details.sex;
    //: the patient's sex
    if (details.sex == "F") sex = text::Tr("female") + " (F)";
    //: the patient's sex
    if (details.sex == "M") sex = text::Tr("male") + " (M)";
    //: the patient's sex
    if (details.sex == "O") sex = text::Tr("other") + " (O)";
    //: the patient's sex: not known
    if (details.sex == "U") sex = text::Tr("unknown") + " (U)";
    line(text::Tr("Full name:"), details.name);
    line(text::Tr("Phone:"), details.phone);
    line(text::Tr("Birth date:"), details.birthDate);
    line(text::Tr("Sex:"), sex);
    line(text::Tr("Patient ID:"), details.patientId);
    //: the issuer of the patient's outside Patient ID
    line(text::Tr("Issuer:"), details.issuer);
    //: the patient's name as the worklist wrote it
    line(text::Tr("Worklist name:"), details.personName);
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
    std::fprintf(
        stderr, "kavimo-records: %s\n",
        text::Arg(text::Tr("no patient %1 in %2"), {records::UidText(uid), Printable(workDir.hostDir)}).c_str());
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

    std::printf(
        "%s\n",
        text::Arg(text::Tr("Patient %1 of %2"), {std::to_string(number), std::to_string(patients.size())}).c_str());
    Field("UID:", records::UidText(user.uid));
    Field(text::Tr("Name:"), Utf8(records::FieldText(user.name)));
    Field(text::Tr("Sex:"), SexText(user.sex) + " (" + std::to_string(user.sex) + ")");
    Field(text::Tr("Age:"), std::to_string(user.age));
    Field(text::Tr("Phone:"), std::to_string(static_cast<long long>(user.phone)));
    //: a label of kavimo-records show: the patient's folder
    Field(text::Tr("Directory:"), Printable(records::FieldText(user.dirPath)) + " (" + Printable(found->hostDir) + ")");
    Field(text::Tr("Description:"), Utf8(records::FieldText(user.description)));
    ShowDetails(*found);
    //: %1 the count in the patient's record, %2 a list file, %3 the entries the file holds
    const std::string listHolds = text::Tr("%1 (%2 holds %3)");
    Field(text::Tr("Diagnoses:"), text::Arg(listHolds, {std::to_string(user.diagCount), records::kDiagListFile,
                                                        std::to_string(diags.records.size())}));
    for (size_t i = 0; i < diags.records.size() && int64_t(i) < user.diagCount; ++i) {
        std::printf("    %zu. %s\n", i + 1, Utf8(records::FieldText(diags.records[i].text)).c_str());
    }
    records::ToothTags::Found tagsFound = records::ToothTags::Found::None;
    std::string tagsProblem;
    const records::ToothTags tags = records::ToothTags::Load(found->hostDir, &tagsFound, &tagsProblem);
    if (tagsFound == records::ToothTags::Found::Damaged) {
        Field(text::Tr("Teeth:"),
              text::Arg(text::Tr("%1 is damaged: %2"), {records::kToothTagsFile, Printable(tagsProblem)}));
    }
    Field(text::Tr("Pictures:"), text::Arg(listHolds, {std::to_string(user.picCount), records::kPictureListFile,
                                                       std::to_string(pictures.records.size())}));
    for (size_t i = 0; i < pictures.records.size() && int64_t(i) < user.picCount; ++i) {
        const _DISE_PIC& p = pictures.records[i];
        const std::string path = records::FieldText(p.path);
        const std::string host = platform::HostPath(path);
        const bool exists = !host.empty() && platform::StatFile(host).exists;
        std::printf("    %zu. %d/%02d/%02d %02d:%02d:%02d  %s%s\n", i + 1, p.year, p.month, p.day, p.hour, p.minute,
                    p.second, Printable(path).c_str(),
                    //: after a picture of kavimo-records show whose file is not there
                    exists ? "" : ("  " + text::Tr("[missing]")).c_str());
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
    // The options' problems, kept while the options are parsed.
    const std::string driveProblem = text::Tr("--drive-d needs a directory");
    const std::string groupProblem = text::Tr("--data-group needs a group");
    const std::string issuerProblem = text::Tr("--pacs-issuer needs a text");
    const std::string tlsProblem = text::Tr("--pacs-tls needs on or off");
    const std::string teethProblem = text::Tr("--teeth needs FDI numbers such as 11,21");
    const std::string viewProblem = text::Tr("--view needs a view");
    tooloptions::Grammar grammar;
    grammar.options = {
        {"--help", "-h", tooloptions::Kind::Stop},
        {"--version", nullptr, tooloptions::Kind::Stop},
        remembered("--drive-d", &driveD, &hasDrive, driveProblem.c_str()),
        remembered("--data-group", &dataGroup, &hasDataGroup, groupProblem.c_str()),
        tooloptions::TextOption("--pacs", &pacs),
        tooloptions::TextOption("--calling-aet", &callingAet),
        remembered("--pacs-issuer", &issuer, &hasIssuer, issuerProblem.c_str()),
        tooloptions::SwitchOption("--pacs-tls", &tls.enabled, tlsProblem.c_str()),
        tooloptions::TextOption("--pacs-tls-ca", &tls.caFile),
        tooloptions::TextOption("--pacs-tls-cert", &tls.certFile),
        tooloptions::TextOption("--pacs-tls-key", &tls.keyFile),
        remembered("--date", &date, &hasDate, nullptr),
        remembered("--since", &since, &hasSince, nullptr),
        remembered("--teeth", &tagRequest.teeth, &tagRequest.hasTeeth, teethProblem.c_str()),
        remembered("--view", &tagRequest.view, &tagRequest.hasView, viewProblem.c_str()),
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
    std::string groupError;
    if (hasDataGroup && !platform::ConfigureDataGroup(dataGroup, &groupError)) {
        std::fprintf(stderr, "kavimo-records: %s\n", Printable(groupError).c_str());
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
