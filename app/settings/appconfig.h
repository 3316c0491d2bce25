// The application's configuration: where the d: drive is, every camera address and port, and
// the clinic's archive.
//
// Each value comes from, in order of precedence, the command line, the environment (KAVIMO_*)
// and kavimo.ini (~/.config/kavimo/kavimo.ini, or the file KAVIMO_CONFIG / --config names);
// anything not given keeps the product default.
#pragma once

#include <QHash>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "camlink/camlinkconfig.h"
#include "dicom/pacsclient.h"
#include "pms/patientrequest.h"

#include <vector>

class QSettings;

// One setting that the command line, the environment and kavimo.ini can give.
struct ConfigSetting {
    enum class Kind {
        Path,
        Address,
        RemotePort,
        LocalPort,
        AeTitle,
        Host,
        Switch,
        File,
        Group,
        Issuer,
        Modality,
        Stations
    };
    const char* option;  // command-line option without the dashes
    const char* env;     // environment variable
    const char* ini;     // key in kavimo.ini ("group/key")
    const char* valueName;
    const char* help;
    Kind kind;
};

// Every setting, in the order --help lists them.
const std::vector<ConfigSetting>& ConfigSettings();
const ConfigSetting* FindConfigSetting(const QString& iniKey);

// Why a value is not acceptable for a setting of this kind ("not an IPv4 address", ...); empty
// when it is. Paths and files are checked here only for being given; CheckFolder checks the
// folder itself, CheckFile a file (the archive's connection says which TLS file it cannot use).
QString ConfigValueProblem(ConfigSetting::Kind kind, const QString& value);
// True for a switch's "on" (also 1, true, yes); anything else is off or refused.
bool ConfigSwitchIsOn(const QString& value);
// Why a folder cannot hold the work directory (missing, not a folder, not writable); empty if it can.
QString CheckFolder(const QString& path);
// Why a file cannot be read (missing, not a file, not readable); empty if it can.
QString CheckFile(const QString& path);

struct AppConfig {
    QString driveD;     // host directory of the d: drive; empty: the platform default
    QString dataGroup;  // the group that shares the records (platform/filemode.h); empty: none
    CameraLinkConfig camera;
    dicom::PacsAddress pacs;    // the clinic's archive (and its TLS); unset (no AE title) means none
    bool pacsAutoSend = false;  // send every stored picture to the archive
    // Issuer of Patient ID for kavimo's own Patient IDs; empty: derived from the installation.
    std::string pacsIssuer;
    // Which worklist entries are listed: the modality, this station's or every station's.
    dicom::WorklistFilter worklist;
    // Demo mode: run the camera simulator as the camera (command line only).
    enum class Demo { Off, Stream, Picture } demo = Demo::Off;
    QString iniPath;  // the settings file that was (or would have been) read
    // kavimo.ini key -> what overrides the file's value for this run ("--video-port",
    // "KAVIMO_VIDEO_PORT", "--loopback", "--demo").
    QHash<QString, QString> overrides;
    // The patient a practice-management system named on the command line (--patient-id and the
    // options beside it), checked; opened at start instead of asking for one.
    bool hasPatient = false;
    pms::PatientRequest patient;
    // The VDDS-media transfer file given as the one argument (empty: none).
    QString transferFile;
    QString screenshotFile;  // hidden option: write a picture of the screen after start-up
    int screenshotDelayMs = 3000;
};

struct ConfigResult {
    // Help: print the text (the help or the version) and end. PatientRefused: the patient given
    // on the command line cannot be taken (the reason in text); nothing is to change.
    enum Status { Ok, Help, Error, PatientRefused } status = Ok;
    QString text;  // the help or version text for Help, the reason for Error
};

// Resolves the configuration from arguments (argv without the program name's special meaning:
// args[0] is the program), an environment and the default kavimo.ini path.
// `today` (YYYYMMDD) is the day a birth date must not lie after; empty: the local date now.
ConfigResult ResolveConfig(const QStringList& args, const QProcessEnvironment& env, const QString& defaultIniPath,
                           AppConfig* config, const QString& today = QString());

// The text of a kavimo.ini value as it is written. QSettings reads an unquoted value holding
// commas ("/data/Praxis Dr. A, B") as a list; this gives it back as the one text it is.
QString IniValueText(const QSettings& ini, const QString& key);

// ~/.config/kavimo/kavimo.ini (following an absolute XDG_CONFIG_HOME); empty without a home.
QString DefaultIniPath();

// Applies the configuration to the process: the d: drive root and the Patient ID issuer.
void ApplyConfig(const AppConfig& config);
