#include "app/settings/appconfig.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <iterator>
#include <optional>
#include <vector>

#include "app/widgets/translation.h"
#include "dicom/installation.h"
#include "dicom/vrcheck.h"
#include "kavimo_version.h"
#include "platform/net.h"
#include "platform/paths.h"
#include "platform/settingsfile.h"

namespace {

using Setting = ConfigSetting;
using Kind = ConfigSetting::Kind;

}  // namespace

const std::vector<ConfigSetting>& ConfigSettings() {
    static const std::vector<Setting> settings = {
        {"drive-d", "KAVIMO_DRIVE_D", "paths/drive_d", "dir",
         QT_TRANSLATE_NOOP("kavimo", "Host directory that stands for the d: drive (default ~/.local/share/kavimo/d)."),
         Kind::Path},
        {"data-group", "KAVIMO_DATA_GROUP", "paths/data_group", "group",
         QT_TRANSLATE_NOOP("kavimo",
                           "Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600)."),
         Kind::Group},
        {"stream-camera", "KAVIMO_STREAM_CAMERA", "stream_camera/address", "ip",
         QT_TRANSLATE_NOOP("kavimo", "Address of the stream camera (default 172.16.10.1)."), Kind::Address},
        {"stream-command-port", "KAVIMO_STREAM_COMMAND_PORT", "stream_camera/command_port", "port",
         QT_TRANSLATE_NOOP("kavimo", "The stream camera's command port (default 7777)."), Kind::RemotePort},
        {"stream-local-port", "KAVIMO_STREAM_LOCAL_PORT", "stream_camera/local_port", "port",
         QT_TRANSLATE_NOOP("kavimo",
                           "Local port for the stream camera's replies, heartbeats and keys (default 7777; 0: any)."),
         Kind::LocalPort},
        {"video-port", "KAVIMO_VIDEO_PORT", "stream_camera/video_port", "port",
         QT_TRANSLATE_NOOP("kavimo", "Local port the live video arrives on (default 8888)."), Kind::LocalPort},
        {"picture-camera", "KAVIMO_PICTURE_CAMERA", "picture_camera/address", "ip",
         QT_TRANSLATE_NOOP("kavimo", "Address of the picture camera (default 192.168.239.1)."), Kind::Address},
        {"picture-command-port", "KAVIMO_PICTURE_COMMAND_PORT", "picture_camera/command_port", "port",
         QT_TRANSLATE_NOOP("kavimo", "The picture camera's command port (default 6000)."), Kind::RemotePort},
        {"picture-reply-port", "KAVIMO_PICTURE_REPLY_PORT", "picture_camera/reply_port", "port",
         QT_TRANSLATE_NOOP("kavimo", "Local port for the picture camera's replies (default 5000; 0: any)."),
         Kind::LocalPort},
        {"picture-port", "KAVIMO_PICTURE_PORT", "picture_camera/picture_port", "port",
         QT_TRANSLATE_NOOP("kavimo", "The picture camera's TCP picture port (default 5000)."), Kind::RemotePort},
        {"bind-address", "KAVIMO_BIND_ADDRESS", "network/bind_address", "ip",
         QT_TRANSLATE_NOOP("kavimo", "Local address the camera sockets bind to (default 0.0.0.0: all)."),
         Kind::Address},
        {"pacs-aet", "KAVIMO_PACS_AET", "pacs/called_aet", "aet",
         QT_TRANSLATE_NOOP("kavimo", "The clinic's archive (PACS): its AE title (default: none, no archive)."),
         Kind::AeTitle},
        {"pacs-host", "KAVIMO_PACS_HOST", "pacs/host", "host",
         QT_TRANSLATE_NOOP("kavimo", "The archive's host name or address."), Kind::Host},
        {"pacs-port", "KAVIMO_PACS_PORT", "pacs/port", "port", QT_TRANSLATE_NOOP("kavimo", "The archive's DICOM port."),
         Kind::RemotePort},
        {"calling-aet", "KAVIMO_CALLING_AET", "pacs/calling_aet", "aet",
         QT_TRANSLATE_NOOP("kavimo", "kavimo's own AE title towards the archive (default KAVIMO)."), Kind::AeTitle},
        {"pacs-issuer", "KAVIMO_PACS_ISSUER", "pacs/issuer", "text",
         QT_TRANSLATE_NOOP(
             "kavimo",
             "Issuer of Patient ID sent with kavimo's own Patient IDs (default KAVIMO- and the first 8 hex "
             "digits of the installation's identity)."),
         Kind::Issuer},
        {"worklist-modality", "KAVIMO_WORKLIST_MODALITY", "pacs/worklist_modality", "code",
         QT_TRANSLATE_NOOP("kavimo", "The modality whose worklist entries are listed (default XC, photographs)."),
         Kind::Modality},
        {"worklist-stations", "KAVIMO_WORKLIST_STATIONS", "pacs/worklist_stations", "this|all",
         QT_TRANSLATE_NOOP("kavimo",
                           "Lists the worklist entries scheduled for kavimo's own AE title (this, the default) or for "
                           "every station (all)."),
         Kind::Stations},
        {"pacs-auto-send", "KAVIMO_PACS_AUTO_SEND", "pacs/auto_send", "on|off",
         QT_TRANSLATE_NOOP("kavimo", "Sends every stored picture to the archive automatically (default off)."),
         Kind::Switch},
        {"pacs-tls", "KAVIMO_PACS_TLS", "pacs/tls", "on|off",
         QT_TRANSLATE_NOOP(
             "kavimo",
             "Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host "
             "(default off: plain TCP)."),
         Kind::Switch},
        {"pacs-tls-ca", "KAVIMO_PACS_TLS_CA", "pacs/tls_ca", "file",
         QT_TRANSLATE_NOOP("kavimo", "The CA certificates (PEM) to check the archive's certificate with."), Kind::File},
        {"pacs-tls-cert", "KAVIMO_PACS_TLS_CERT", "pacs/tls_cert", "file",
         QT_TRANSLATE_NOOP("kavimo", "kavimo's own certificate (PEM), for archives that ask for one."), Kind::File},
        {"pacs-tls-key", "KAVIMO_PACS_TLS_KEY", "pacs/tls_key", "file",
         QT_TRANSLATE_NOOP("kavimo", "The unencrypted private key (PEM) of kavimo's certificate."), Kind::File},
    };
    return settings;
}

const ConfigSetting* FindConfigSetting(const QString& iniKey) {
    for (const ConfigSetting& s : ConfigSettings()) {
        if (iniKey == QLatin1String(s.ini)) return &s;
    }
    return nullptr;
}

namespace {

const std::vector<Setting>& Settings() { return ConfigSettings(); }

bool ParsePort(const QString& text, bool allowZero, uint16_t* port) {
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 10);
    if (!ok || value > 65535 || (!allowZero && value == 0)) return false;
    *port = uint16_t(value);
    return true;
}

// "on" / "off" and their usual spellings; anything else is refused by ConfigValueProblem.
bool SwitchIsOn(const QString& value) {
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("on") || v == QLatin1String("true") ||
           v == QLatin1String("yes");
}

bool SwitchIsOff(const QString& value) {
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("0") || v == QLatin1String("off") || v == QLatin1String("false") ||
           v == QLatin1String("no");
}

bool Apply(const Setting& s, const QString& value, AppConfig* config, QString* error, const QString& source) {
    const QString problem = ConfigValueProblem(s.kind, value);
    if (!problem.isEmpty()) {
        *error = Ui::tr("%1: %2 \"%3\" is %4").arg(source, QString::fromLatin1(s.option), value, problem);
        return false;
    }
    const QString name = QString::fromLatin1(s.option);
    switch (s.kind) {
        case Kind::Path:
            config->driveD = value;
            return true;
        case Kind::Address: {
            const std::string ip = value.trimmed().toStdString();
            if (name == QLatin1String("stream-camera"))
                config->camera.streamCameraIp = ip;
            else if (name == QLatin1String("picture-camera"))
                config->camera.pictureCameraIp = ip;
            else
                config->camera.localBindIp = ip;
            return true;
        }
        case Kind::RemotePort:
        case Kind::LocalPort: {
            uint16_t port = 0;
            ParsePort(value, s.kind == Kind::LocalPort, &port);
            if (name == QLatin1String("stream-command-port"))
                config->camera.streamCameraPort = port;
            else if (name == QLatin1String("stream-local-port"))
                config->camera.streamLocalPort = port;
            else if (name == QLatin1String("video-port"))
                config->camera.videoPort = port;
            else if (name == QLatin1String("picture-command-port"))
                config->camera.pictureCameraPort = port;
            else if (name == QLatin1String("pacs-port"))
                config->pacs.port = port;
            else if (name == QLatin1String("picture-reply-port"))
                config->camera.pictureLocalPort = port;
            else
                config->camera.pictureTcpPort = port;
            return true;
        }
        case Kind::AeTitle:
            if (name == QLatin1String("pacs-aet"))
                config->pacs.calledAet = value.toStdString();
            else
                config->pacs.callingAet = value.toStdString();
            return true;
        case Kind::Host:
            config->pacs.host = value.trimmed().toStdString();
            return true;
        case Kind::Issuer:
            config->pacsIssuer = value.trimmed().toStdString();
            return true;
        case Kind::Switch:
            if (name == QLatin1String("pacs-tls"))
                config->pacs.tls.enabled = SwitchIsOn(value);
            else
                config->pacsAutoSend = SwitchIsOn(value);
            return true;
        case Kind::File: {
            const std::string path = value.trimmed().toStdString();
            if (name == QLatin1String("pacs-tls-ca"))
                config->pacs.tls.caFile = path;
            else if (name == QLatin1String("pacs-tls-cert"))
                config->pacs.tls.certFile = path;
            else
                config->pacs.tls.keyFile = path;
            return true;
        }
        case Kind::Group:
            config->dataGroup = value.trimmed();
            return true;
        case Kind::Modality:
            config->worklist.modality = value.trimmed().toStdString();
            return true;
        case Kind::Stations:
            config->worklist.thisStationOnly = value.trimmed().toLower() == QLatin1String("this");
            return true;
    }
    return false;
}

}  // namespace

QString ConfigValueProblem(ConfigSetting::Kind kind, const QString& value) {
    switch (kind) {
        case Kind::Path:
            return value.trimmed().isEmpty() ? Ui::tr("not a directory") : QString();
        case Kind::Address: {
            uint32_t ignored = 0;
            return platform::ParseIPv4(value.trimmed().toStdString(), &ignored) ? QString()
                                                                                : Ui::tr("not an IPv4 address");
        }
        case Kind::RemotePort:
        case Kind::LocalPort: {
            uint16_t ignored = 0;
            if (ParsePort(value, kind == Kind::LocalPort, &ignored)) return QString();
            return kind == Kind::LocalPort ? Ui::tr("not a port (0 to 65535)") : Ui::tr("not a port (1 to 65535)");
        }
        case Kind::AeTitle:
            return dicom::IsValidAeTitle(value.toStdString()) ? QString()
                                                              : Ui::tr("not an AE title (1 to 16 characters)");
        case Kind::Host: {
            const QString host = value.trimmed();
            return !host.isEmpty() && !host.contains(QLatin1Char(' ')) ? QString() : Ui::tr("not a host");
        }
        case Kind::Switch:
            return SwitchIsOn(value) || SwitchIsOff(value) ? QString() : Ui::tr("not on or off");
        case Kind::Issuer:
            return dicom::IsValidPatientIdIssuer(value.trimmed().toStdString())
                       ? QString()
                       : Ui::tr("not an issuer (1 to 64 characters, no backslash)");
        case Kind::File:
            return value.trimmed().isEmpty() ? Ui::tr("not a file") : QString();
        case Kind::Modality: {
            const std::string code = value.trimmed().toStdString();
            return !code.empty() && dicom::ValueProblem(dicom::Vr::CS, code).empty()
                       ? QString()
                       : Ui::tr("not a modality (a code such as XC or IO)");
        }
        case Kind::Stations: {
            const QString v = value.trimmed().toLower();
            return v == QLatin1String("this") || v == QLatin1String("all") ? QString() : Ui::tr("not this or all");
        }
        case Kind::Group: {
            // Empty means none; whether the group exists is checked at start-up.
            const QString group = value.trimmed();
            return group.contains(QLatin1Char(' ')) || group.contains(QLatin1Char(':')) ? Ui::tr("not a group name")
                                                                                        : QString();
        }
    }
    return Ui::tr("not valid");
}

QString CheckFolder(const QString& path) {
    if (path.trimmed().isEmpty()) return Ui::tr("no folder given");
    const QFileInfo info(path);
    if (!info.exists()) return Ui::tr("the folder does not exist");
    if (!info.isDir()) return Ui::tr("not a folder");
    if (!info.isWritable()) return Ui::tr("the folder is not writable");
    return QString();
}

bool ConfigSwitchIsOn(const QString& value) { return SwitchIsOn(value); }

QString CheckFile(const QString& path) {
    if (path.trimmed().isEmpty()) return Ui::tr("no file given");
    const QFileInfo info(path);
    if (!info.exists()) return Ui::tr("the file does not exist");
    if (!info.isFile()) return Ui::tr("not a file");
    if (!info.isReadable()) return Ui::tr("the file is not readable");
    return QString();
}

namespace {

// The text after "name=" in the key's group of the ini file, trimmed, as it stands in the file;
// empty when the file has no such line. The last such line counts, as for QSettings.
QString RawIniValue(const QString& iniPath, const QString& key) {
    const int slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0) return QString();
    const QString group = key.left(slash);
    const QString name = key.mid(slash + 1);
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QString();
    QString section;
    QString found;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && section == group && line.left(equals).trimmed() == name) {
            found = line.mid(equals + 1).trimmed();
        }
    }
    return found;
}

}  // namespace

QString IniValueText(const QSettings& ini, const QString& key) {
    const QVariant value = ini.value(key);
    if (value.typeId() != QMetaType::QStringList) return value.toString();
    // A hand-written value with commas, unquoted. Without quotes or escapes in it, the line holds
    // exactly the text; with them, QSettings' own reading of the parts is joined again, which
    // gives ", " for every comma.
    QString raw = RawIniValue(ini.fileName(), key);
    if (!raw.isEmpty() && !raw.contains(QLatin1Char('"')) && !raw.contains(QLatin1Char('\\'))) return raw;
    return value.toStringList().join(QStringLiteral(", "));
}

QString DefaultIniPath() { return QString::fromStdString(platform::DefaultSettingsFilePath()); }

namespace {

// Every option the command line takes, and the parser that reads them.
struct CommandLine {
    CommandLine();
    // Reads the arguments; false when they end the run here: help, the version, or a mistake
    // (then in *result).
    bool Parse(const QStringList& args, ConfigResult* result);

    QCommandLineParser parser;
    const QCommandLineOption help;
    const QCommandLineOption version;
    QList<QCommandLineOption> settings;  // one for each of Settings(), in its order
    const QCommandLineOption loopback;
    const QCommandLineOption demo;
    const QCommandLineOption configFile;
    QCommandLineOption screenshot;
    QCommandLineOption screenshotDelay;
    // The patient a practice-management system hands over.
    QList<QCommandLineOption> patient;
};

// The patient options, in the order of CommandLine::patient, and the request field each fills.
struct PatientOption {
    const char* name;
    const char* valueName;
    const char* help;
    std::string pms::PatientRequest::*field;
};
const PatientOption kPatientOptions[] = {
    {"patient-id", "id",
     QT_TRANSLATE_NOOP(
         "kavimo",
         "Opens the patient with this ID of the practice-management system, creating it when kavimo does not "
         "have it yet (the patient dialog is not shown); the ID becomes the archive's Patient ID. When kavimo "
         "already runs on this work directory, the running window switches to the patient."),
     &pms::PatientRequest::patientId},
    {"last-name", "name", QT_TRANSLATE_NOOP("kavimo", "The last name of the --patient-id patient (needed with it)."),
     &pms::PatientRequest::lastName},
    {"first-name", "name", QT_TRANSLATE_NOOP("kavimo", "The first name of the --patient-id patient."),
     &pms::PatientRequest::firstName},
    {"birth-date", "YYYYMMDD",
     QT_TRANSLATE_NOOP("kavimo", "The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY)."),
     &pms::PatientRequest::birthDate},
    {"sex", "M|F|O|U",
     QT_TRANSLATE_NOOP("kavimo", "The sex of the --patient-id patient (also Male, Female, Other, Unknown)."),
     &pms::PatientRequest::sex},
    {"phone", "number", QT_TRANSLATE_NOOP("kavimo", "The phone of the --patient-id patient."),
     &pms::PatientRequest::phone},
};

CommandLine::CommandLine()
    : help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, Ui::tr("Shows this help.")),
      version(QStringLiteral("version"), Ui::tr("Shows the version.")),
      loopback(QStringLiteral("loopback"),
               Ui::tr("Points both camera addresses at 127.0.0.1 (for the camera simulator)\n[KAVIMO_LOOPBACK=1]")),
      demo(QStringLiteral("demo"),
           Ui::tr("Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, "
                  "else on the PATH) "
                  "on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and "
                  "points the camera link at it; the camera addresses and ports above are then unused."),
           QStringLiteral("stream|picture")),
      configFile(QStringLiteral("config"),
                 Ui::tr("The settings file to read instead of %1\n[KAVIMO_CONFIG]")
                     .arg(QStringLiteral("~/.config/kavimo/kavimo.ini")),
                 QStringLiteral("file")),
      screenshot(QStringLiteral("screenshot"), Ui::tr("Writes a picture of the screen."), QStringLiteral("png")),
      screenshotDelay(QStringLiteral("screenshot-delay"), Ui::tr("Milliseconds."), QStringLiteral("ms")) {
    parser.setApplicationDescription(
        Ui::tr("kavimo: oral image acquisition for WiFi intraoral cameras.\n"
               "Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;\n"
               "the command line wins over the environment, which wins over the file."));
    parser.addOption(help);
    parser.addOption(version);
    for (const Setting& s : Settings()) {
        QCommandLineOption option(QString::fromLatin1(s.option),
                                  QStringLiteral("%1\n[%2, kavimo.ini %3]")
                                      .arg(Ui::tr(s.help), QString::fromLatin1(s.env), QString::fromLatin1(s.ini)),
                                  QString::fromLatin1(s.valueName));
        settings.append(option);
        parser.addOption(option);
    }
    parser.addOption(loopback);
    parser.addOption(demo);
    parser.addOption(configFile);
    screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshot);
    screenshotDelay.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(screenshotDelay);
    for (const PatientOption& p : kPatientOptions) {
        patient.append(
            QCommandLineOption(QString::fromLatin1(p.name), Ui::tr(p.help), QString::fromLatin1(p.valueName)));
        parser.addOption(patient.back());
    }
    parser.addPositionalArgument(QStringLiteral("transfer-file"),
                                 Ui::tr("A VDDS-media transfer file the practice-management system wrote."),
                                 QStringLiteral("[transfer-file]"));
}

bool CommandLine::Parse(const QStringList& args, ConfigResult* result) {
    // "--demo" alone is the stream camera's demo (the parser wants a value with the option);
    // "--demo picture" is "--demo=picture", as --help writes it.
    QStringList arguments = args;
    for (int i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        if (arguments[i] != QLatin1String("--demo")) continue;
        const QString next = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (next == QLatin1String("stream") || next == QLatin1String("picture")) {
            arguments[i] = QStringLiteral("--demo=") + next;
            arguments.removeAt(i + 1);
        } else {
            arguments[i] = QStringLiteral("--demo=stream");
        }
    }
    if (!parser.parse(arguments)) {
        result->status = ConfigResult::Error;
        result->text = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        result->status = ConfigResult::Help;
        // The program is kavimo, whatever the executable file was called.
        result->text = parser.helpText();
        const int firstLineEnd = result->text.indexOf(QLatin1Char('\n'));
        result->text.replace(0, firstLineEnd, Ui::tr("Usage: kavimo [options] [transfer-file]"));
        return false;
    }
    if (parser.isSet(version)) {
        result->status = ConfigResult::Help;
        result->text = QStringLiteral("kavimo %1\n").arg(QStringLiteral(KAVIMO_VERSION));
        return false;
    }
    if (parser.positionalArguments().size() > 1) {
        result->status = ConfigResult::Error;
        result->text = Ui::tr("unexpected argument \"%1\"").arg(parser.positionalArguments()[1]);
        return false;
    }
    return true;
}

// The settings file: --config, else KAVIMO_CONFIG, else the default one. One that is named must
// exist; the default one may be missing.
bool ChooseIniFile(const CommandLine& line, const QProcessEnvironment& env, const QString& defaultIniPath,
                   QString* iniPath, QString* error) {
    *iniPath = defaultIniPath;
    if (env.contains(QStringLiteral("KAVIMO_CONFIG"))) {
        *iniPath = env.value(QStringLiteral("KAVIMO_CONFIG"));
    }
    if (line.parser.isSet(line.configFile)) *iniPath = line.parser.value(line.configFile);
    if (line.parser.isSet(line.configFile) || env.contains(QStringLiteral("KAVIMO_CONFIG"))) {
        if (!QFileInfo(*iniPath).isFile()) {
            *error = Ui::tr("settings file \"%1\" does not exist").arg(*iniPath);
            return false;
        }
    }
    return true;
}

void PointAtLoopback(const QString& source, AppConfig* config) {
    config->camera.streamCameraIp = "127.0.0.1";
    config->camera.pictureCameraIp = "127.0.0.1";
    config->overrides.insert(QStringLiteral("stream_camera/address"), source);
    config->overrides.insert(QStringLiteral("picture_camera/address"), source);
}

// The sources are read lowest precedence first, so that each later one overrides. Within the
// environment and the command line, the loopback switch comes before the explicit addresses.

bool ReadIniFile(const QString& iniPath, AppConfig* config, QString* error) {
    if (iniPath.isEmpty() || !QFileInfo(iniPath).isFile()) return true;
    QSettings ini(iniPath, QSettings::IniFormat);
    for (const Setting& s : Settings()) {
        const QString key = QString::fromLatin1(s.ini);
        if (ini.contains(key) && !Apply(s, IniValueText(ini, key), config, error, iniPath)) {
            return false;
        }
    }
    return true;
}

bool ReadEnvironment(const QProcessEnvironment& env, AppConfig* config, QString* error) {
    if (env.value(QStringLiteral("KAVIMO_LOOPBACK")) == QLatin1String("1")) {
        PointAtLoopback(QStringLiteral("KAVIMO_LOOPBACK"), config);
    }
    for (const Setting& s : Settings()) {
        const QString var = QString::fromLatin1(s.env);
        if (!env.contains(var)) continue;
        if (!Apply(s, env.value(var), config, error, var)) return false;
        config->overrides.insert(QString::fromLatin1(s.ini), var);
    }
    return true;
}

bool ReadCommandLine(const CommandLine& line, AppConfig* config, QString* error) {
    const QCommandLineParser& parser = line.parser;
    if (parser.isSet(line.loopback)) PointAtLoopback(QStringLiteral("--loopback"), config);
    for (size_t i = 0; i < Settings().size(); ++i) {
        const QCommandLineOption& option = line.settings[int(i)];
        if (!parser.isSet(option)) continue;
        const QString name = QStringLiteral("--") + option.names().first();
        if (!Apply(Settings()[i], parser.value(option), config, error, name)) return false;
        config->overrides.insert(QString::fromLatin1(Settings()[i].ini), name);
    }
    if (parser.isSet(line.demo)) {
        const QString kind = parser.value(line.demo);
        if (kind == QLatin1String("stream")) {
            config->demo = AppConfig::Demo::Stream;
        } else if (kind == QLatin1String("picture")) {
            config->demo = AppConfig::Demo::Picture;
        } else {
            *error = Ui::tr("--demo=%1: the demo camera is \"stream\" or \"picture\"").arg(kind);
            return false;
        }
    }
    if (parser.isSet(line.screenshot)) config->screenshotFile = parser.value(line.screenshot);
    if (parser.isSet(line.screenshotDelay)) {
        config->screenshotDelayMs = parser.value(line.screenshotDelay).toInt();
    }
    return true;
}

// The patient of the command line, checked as outside data: the status says whether there is
// none, a usable one, or one to refuse.
ConfigResult::Status ReadPatient(const CommandLine& line, const QString& today, AppConfig* config, QString* error) {
    bool any = false;
    pms::PatientRequest request;
    for (size_t i = 0; i < std::size(kPatientOptions); ++i) {
        const QCommandLineOption& option = line.patient[int(i)];
        if (!line.parser.isSet(option)) continue;
        any = true;
        request.*kPatientOptions[i].field = line.parser.value(option).toStdString();
    }
    if (!line.parser.positionalArguments().isEmpty()) {
        if (any) {
            *error = Ui::tr("a transfer file and --patient-id cannot be given together");
            return ConfigResult::Error;
        }
        // A word that names no file is a mistake on the command line, not a transfer file.
        const QString file = line.parser.positionalArguments().first();
        if (!QFileInfo(file).isFile()) {
            *error = Ui::tr("unexpected argument \"%1\" (no such transfer file)").arg(file);
            return ConfigResult::Error;
        }
        config->transferFile = file;
        return ConfigResult::Ok;
    }
    if (!any) return ConfigResult::Ok;
    if (!line.parser.isSet(line.patient[0])) {
        *error = Ui::tr("the patient options need --patient-id");
        return ConfigResult::Error;
    }
    std::string birthDate;
    std::string sex;
    std::string problem;
    if (!pms::BirthDateOf(request.birthDate, &birthDate)) {
        problem = Ui::tr("the birth date \"%1\" is not a date (YYYYMMDD)")
                      .arg(QString::fromStdString(request.birthDate))
                      .toStdString();
    } else if (!pms::SexLetterOf(request.sex, &sex)) {
        problem = Ui::tr("the sex \"%1\" is not M, F, O, U, Male, Female, Other or Unknown")
                      .arg(QString::fromStdString(request.sex))
                      .toStdString();
    } else {
        request.birthDate = birthDate;
        request.sex = sex;
        problem = pms::RequestProblem(request, today.toStdString());
    }
    if (!problem.empty()) {
        *error = QString::fromStdString(problem);
        return ConfigResult::PatientRefused;
    }
    config->hasPatient = true;
    config->patient = request;
    return ConfigResult::Ok;
}

// The demo points every address and port at the simulator itself.
void MarkDemoOverrides(AppConfig* config) {
    for (const Setting& s : Settings()) {
        if (s.kind == Kind::Path || s.kind == Kind::Group) continue;
        config->overrides.insert(QString::fromLatin1(s.ini), QStringLiteral("--demo"));
    }
}

// A camera on this machine at the program's own command port would be the program itself: its
// identify request would come back as the answer.
bool CheckOwnPorts(const CameraLinkConfig& c, QString* error) {
    if (platform::IsLoopbackAddress(c.streamCameraIp) && c.streamCameraPort == c.streamLocalPort) {
        *error = Ui::tr(
                     "the stream camera %1:%2 is the program's own command port; give the camera's "
                     "port with --stream-command-port or another local port with --stream-local-port")
                     .arg(QString::fromStdString(c.streamCameraIp))
                     .arg(c.streamCameraPort);
        return false;
    }
    if (platform::IsLoopbackAddress(c.pictureCameraIp) && c.pictureCameraPort == c.pictureLocalPort) {
        *error = Ui::tr(
                     "the picture camera %1:%2 is the program's own reply port; give the camera's "
                     "port with --picture-command-port or another local port with --picture-reply-port")
                     .arg(QString::fromStdString(c.pictureCameraIp))
                     .arg(c.pictureCameraPort);
        return false;
    }
    return true;
}

ConfigResult Failure(const QString& error) {
    ConfigResult result;
    result.status = ConfigResult::Error;
    result.text = error;
    return result;
}

}  // namespace

ConfigResult ResolveConfig(const QStringList& args, const QProcessEnvironment& env, const QString& defaultIniPath,
                           AppConfig* config, const QString& today) {
    *config = AppConfig();
    ConfigResult result;
    CommandLine line;
    if (!line.Parse(args, &result)) return result;  // help, the version, or a mistake
    QString iniPath;
    QString error;
    const ConfigResult::Status patient = ReadPatient(
        line, today.isEmpty() ? QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) : today, config, &error);
    if (patient != ConfigResult::Ok) {
        result.status = patient;
        result.text = error;
        return result;
    }
    if (!ChooseIniFile(line, env, defaultIniPath, &iniPath, &error)) return Failure(error);
    config->iniPath = iniPath;
    if (!ReadIniFile(iniPath, config, &error) || !ReadEnvironment(env, config, &error) ||
        !ReadCommandLine(line, config, &error)) {
        return Failure(error);
    }
    if (config->demo != AppConfig::Demo::Off) {
        MarkDemoOverrides(config);
        return result;
    }
    if (!CheckOwnPorts(config->camera, &error)) return Failure(error);
    return result;
}

void ApplyConfig(const AppConfig& config) {
    if (!config.driveD.isEmpty()) platform::SetDriveRoot(config.driveD.toStdString());
    dicom::SetPatientIdIssuer(config.pacsIssuer);
    dicom::SetWorklistFilter(config.worklist);
}
