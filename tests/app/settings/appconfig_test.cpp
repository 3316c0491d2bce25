// Where the configuration comes from: defaults, kavimo.ini, environment and command line, in
// rising precedence, with clear errors for values that are not addresses or ports.
#include <QtTest>

#include <QSettings>
#include <QTemporaryDir>

#include "app/settings/appconfig.h"
#include "platform/settingsfile.h"

namespace {
QStringList Args(QStringList rest) {
    rest.prepend(QStringLiteral("kavimo"));
    return rest;
}
}  // namespace

class AppConfigTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsAreTheProductValues();
    void fileEnvironmentAndCommandLineOverrideInThatOrder();
    void loopbackPointsBothCamerasAtLocalhost();
    void badValuesAreErrors();
    void helpListsEveryOption();
    void archiveSettingsComeFromEverySourceAndAreChecked();
    void valuesWithCommasAreReadAsWritten();
    void practiceSystemPatientIsTakenOnlyWhenSound();

private:
    QString WriteIni(QTemporaryDir& dir, const QString& body) {
        const QString path = dir.filePath("kavimo.ini");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return QString();
        file.write(body.toUtf8());
        return path;
    }
};

// The product's camera addresses are only read and compared here: resolving the settings opens no
// socket, and scripts/test runs the suite where nothing but loopback exists.
void AppConfigTest::defaultsAreTheProductValues() {
    AppConfig config;
    const ConfigResult r =
        ResolveConfig(Args({}), QProcessEnvironment(), QStringLiteral("/nonexistent/kavimo.ini"), &config);
    QCOMPARE(r.status, ConfigResult::Ok);
    QVERIFY(config.driveD.isEmpty());
    QCOMPARE(config.camera.streamCameraIp, std::string("172.16.10.1"));
    QCOMPARE(config.camera.streamCameraPort, uint16_t(7777));
    QCOMPARE(config.camera.streamLocalPort, uint16_t(7777));
    QCOMPARE(config.camera.videoPort, uint16_t(8888));
    QCOMPARE(config.camera.pictureCameraIp, std::string("192.168.239.1"));
    QCOMPARE(config.camera.pictureCameraPort, uint16_t(6000));
    QCOMPARE(config.camera.pictureLocalPort, uint16_t(5000));
    QCOMPARE(config.camera.pictureTcpPort, uint16_t(5000));
    QCOMPARE(config.camera.localBindIp, std::string("0.0.0.0"));
    QVERIFY(config.screenshotFile.isEmpty());
}

void AppConfigTest::fileEnvironmentAndCommandLineOverrideInThatOrder() {
    QTemporaryDir dir;
    const QString ini =
        WriteIni(dir,
                 "[paths]\ndrive_d=/srv/from-file\n"
                 "[stream_camera]\naddress=127.0.0.2\ncommand_port=1001\nlocal_port=0\nvideo_port=1003\n"
                 "[picture_camera]\naddress=127.0.0.3\ncommand_port=1004\nreply_port=1005\npicture_port=1006\n");
    QProcessEnvironment env;
    env.insert("KAVIMO_STREAM_COMMAND_PORT", "2001");
    env.insert("KAVIMO_PICTURE_PORT", "2006");
    env.insert("KAVIMO_DRIVE_D", "/srv/from-env");
    AppConfig config;
    ConfigResult r = ResolveConfig(Args({"--picture-port", "3006", "--bind-address", "127.0.0.1"}), env, ini, &config);
    QCOMPARE(r.status, ConfigResult::Ok);
    QCOMPARE(config.driveD, QStringLiteral("/srv/from-env"));
    QCOMPARE(config.camera.streamCameraIp, std::string("127.0.0.2"));
    QCOMPARE(config.camera.streamCameraPort, uint16_t(2001));
    QCOMPARE(config.camera.streamLocalPort, uint16_t(0));
    QCOMPARE(config.camera.videoPort, uint16_t(1003));
    QCOMPARE(config.camera.pictureCameraIp, std::string("127.0.0.3"));
    QCOMPARE(config.camera.pictureCameraPort, uint16_t(1004));
    QCOMPARE(config.camera.pictureLocalPort, uint16_t(1005));
    QCOMPARE(config.camera.pictureTcpPort, uint16_t(3006));
    QCOMPARE(config.camera.localBindIp, std::string("127.0.0.1"));

    // KAVIMO_CONFIG and --config choose another file; --drive-d beats the environment.
    QTemporaryDir other;
    const QString second = WriteIni(other, "[stream_camera]\naddress=127.0.0.9\n");
    env.insert("KAVIMO_CONFIG", second);
    r = ResolveConfig(Args({"--drive-d", "/srv/from-args"}), env, ini, &config);
    QCOMPARE(r.status, ConfigResult::Ok);
    QCOMPARE(config.camera.streamCameraIp, std::string("127.0.0.9"));
    QCOMPARE(config.camera.videoPort, uint16_t(8888));
    QCOMPARE(config.driveD, QStringLiteral("/srv/from-args"));
    r = ResolveConfig(Args({"--config", ini}), env, QString(), &config);
    QCOMPARE(config.camera.streamCameraIp, std::string("127.0.0.2"));
}

void AppConfigTest::loopbackPointsBothCamerasAtLocalhost() {
    QTemporaryDir dir;
    const QString ini = WriteIni(dir, "[stream_camera]\naddress=127.0.0.11\n");
    AppConfig config;
    QCOMPARE(
        ResolveConfig(Args({"--loopback", "--stream-local-port", "0"}), QProcessEnvironment(), ini, &config).status,
        ConfigResult::Ok);
    QCOMPARE(config.camera.streamCameraIp, std::string("127.0.0.1"));
    QCOMPARE(config.camera.pictureCameraIp, std::string("127.0.0.1"));
    // An explicit address on the same level still wins.
    ResolveConfig(Args({"--loopback", "--stream-local-port", "0", "--picture-camera", "127.0.0.5"}),
                  QProcessEnvironment(), ini, &config);
    QCOMPARE(config.camera.pictureCameraIp, std::string("127.0.0.5"));
    QProcessEnvironment env;
    env.insert("KAVIMO_LOOPBACK", "1");
    env.insert("KAVIMO_STREAM_COMMAND_PORT", "17777");
    ResolveConfig(Args({}), env, ini, &config);
    QCOMPARE(config.camera.streamCameraIp, std::string("127.0.0.1"));

    // On loopback the camera cannot sit at the program's own command port: it would answer
    // itself. The simulator's port, or another local port, makes it a camera again.
    ConfigResult r =
        ResolveConfig(Args({"--loopback", "--stream-command-port", "7777"}), QProcessEnvironment(), ini, &config);
    QCOMPARE(r.status, ConfigResult::Error);
    QVERIFY2(r.text.contains("own command port"), qPrintable(r.text));
    r = ResolveConfig(Args({"--loopback", "--stream-command-port", "17777"}), QProcessEnvironment(), ini, &config);
    QCOMPARE(r.status, ConfigResult::Ok);
    r = ResolveConfig(Args({"--loopback", "--picture-command-port", "5000"}), QProcessEnvironment(), ini, &config);
    QCOMPARE(r.status, ConfigResult::Error);
    r = ResolveConfig(Args({"--loopback", "--picture-command-port", "5000", "--picture-reply-port", "0"}),
                      QProcessEnvironment(), ini, &config);
    QCOMPARE(r.status, ConfigResult::Error);  // the stream camera is still at 7777
    r = ResolveConfig(Args({"--loopback", "--stream-local-port", "0", "--picture-reply-port", "0"}),
                      QProcessEnvironment(), ini, &config);
    QCOMPARE(r.status, ConfigResult::Ok);
}

void AppConfigTest::badValuesAreErrors() {
    AppConfig config;
    const QString none = QStringLiteral("/nonexistent/kavimo.ini");
    ConfigResult r = ResolveConfig(Args({"--stream-camera", "camera.local"}), QProcessEnvironment(), none, &config);
    QCOMPARE(r.status, ConfigResult::Error);
    QVERIFY2(r.text.contains("stream-camera") && r.text.contains("camera.local"), qPrintable(r.text));
    r = ResolveConfig(Args({"--video-port", "70000"}), QProcessEnvironment(), none, &config);
    QCOMPARE(r.status, ConfigResult::Error);
    r = ResolveConfig(Args({"--picture-port", "0"}), QProcessEnvironment(), none, &config);
    QCOMPARE(r.status, ConfigResult::Error);  // a camera's port cannot be "any"
    r = ResolveConfig(Args({"--no-such-option"}), QProcessEnvironment(), none, &config);
    QCOMPARE(r.status, ConfigResult::Error);
    r = ResolveConfig(Args({"stray"}), QProcessEnvironment(), none, &config);
    QCOMPARE(r.status, ConfigResult::Error);
    QProcessEnvironment env;
    env.insert("KAVIMO_STREAM_LOCAL_PORT", "seven");
    r = ResolveConfig(Args({}), env, none, &config);
    QCOMPARE(r.status, ConfigResult::Error);
    QVERIFY(r.text.contains("KAVIMO_STREAM_LOCAL_PORT"));
    env.clear();
    env.insert("KAVIMO_CONFIG", "/nonexistent/other.ini");
    r = ResolveConfig(Args({}), env, none, &config);
    QCOMPARE(r.status, ConfigResult::Error);
}

void AppConfigTest::helpListsEveryOption() {
    AppConfig config;
    const ConfigResult r = ResolveConfig(Args({"--help"}), QProcessEnvironment(), QString(), &config);
    QCOMPARE(r.status, ConfigResult::Help);
    for (const char* option :
         {"--drive-d", "--stream-camera", "--stream-command-port", "--stream-local-port", "--video-port",
          "--picture-camera", "--picture-command-port", "--picture-reply-port", "--picture-port", "--bind-address",
          "--loopback", "--config", "KAVIMO_DRIVE_D", "172.16.10.1", "192.168.239.1", "8888"})
        QVERIFY2(r.text.contains(QLatin1String(option)), option);
    QVERIFY(!r.text.contains("--screenshot"));
    QVERIFY(r.text.startsWith("Usage: kavimo"));
}

void AppConfigTest::archiveSettingsComeFromEverySourceAndAreChecked() {
    AppConfig config;
    const QString none = QStringLiteral("/nonexistent/kavimo.ini");
    ConfigResult r = ResolveConfig(Args({}), QProcessEnvironment(), none, &config);
    QVERIFY(!config.pacs.IsSet());
    QCOMPARE(config.pacs.callingAet, std::string("KAVIMO"));
    QVERIFY(!config.pacsAutoSend);

    QTemporaryDir dir;
    const QString ini = WriteIni(dir, "[pacs]\ncalled_aet=FILE_AET\nhost=pacs.clinic\nport=104\nauto_send=on\n");
    QProcessEnvironment env;
    env.insert("KAVIMO_PACS_HOST", "127.0.0.1");
    env.insert("KAVIMO_CALLING_AET", "CHAIR2");
    r = ResolveConfig(Args({"--pacs-port", "4242"}), env, ini, &config);
    QCOMPARE(r.status, ConfigResult::Ok);
    QCOMPARE(config.pacs.Text(), std::string("FILE_AET@127.0.0.1:4242"));
    QCOMPARE(config.pacs.callingAet, std::string("CHAIR2"));
    QVERIFY(config.pacsAutoSend);
    env.insert("KAVIMO_PACS_AUTO_SEND", "0");
    r = ResolveConfig(Args({}), env, ini, &config);
    QVERIFY(!config.pacsAutoSend);

    // TLS and its files, each from the source that wins; switching TLS off keeps the files.
    const QString tlsIni =
        WriteIni(dir,
                 "[pacs]\ncalled_aet=A\nhost=h\nport=1\ntls=on\ntls_ca=/etc/ca.pem\ntls_cert=/etc/c.pem\n"
                 "tls_key=/etc/c.key\n");
    QVERIFY(!config.pacs.tls.enabled);
    env.insert("KAVIMO_PACS_TLS_CERT", "/env/c.pem");
    env.insert("KAVIMO_PACS_TLS_KEY", "/env/c.key");
    r = ResolveConfig(Args({"--pacs-tls-key", "/line/c.key"}), env, tlsIni, &config);
    QCOMPARE(r.status, ConfigResult::Ok);
    QVERIFY(config.pacs.tls.enabled);
    QCOMPARE(config.pacs.tls.caFile, std::string("/etc/ca.pem"));
    QCOMPARE(config.pacs.tls.certFile, std::string("/env/c.pem"));
    QCOMPARE(config.pacs.tls.keyFile, std::string("/line/c.key"));
    QCOMPARE(config.overrides.value("pacs/tls_key"), QStringLiteral("--pacs-tls-key"));
    env.insert("KAVIMO_PACS_TLS", "off");
    env.insert("KAVIMO_PACS_TLS_CA", "/env/ca.pem");
    r = ResolveConfig(Args({}), env, tlsIni, &config);
    QVERIFY(!config.pacs.tls.enabled);
    QCOMPARE(config.pacs.tls.caFile, std::string("/env/ca.pem"));
    r = ResolveConfig(Args({"--pacs-tls", "yes"}), env, tlsIni, &config);
    QVERIFY(config.pacs.tls.enabled);

    for (const QStringList& bad :
         {QStringList{"--pacs-aet", "SEVENTEEN_CHARS_X"}, QStringList{"--pacs-aet", "A\\B"},
          QStringList{"--pacs-port", "0"}, QStringList{"--pacs-auto-send", "maybe"}, QStringList{"--pacs-host", ""},
          QStringList{"--pacs-tls", "maybe"}, QStringList{"--pacs-tls-ca", " "}}) {
        r = ResolveConfig(Args(bad), QProcessEnvironment(), none, &config);
        QVERIFY2(r.status == ConfigResult::Error, qPrintable(bad.join(' ')));
    }
}

void AppConfigTest::valuesWithCommasAreReadAsWritten() {
    // QSettings takes an unquoted value with commas for a list; the folder is the text as written,
    // its spacing included.
    QTemporaryDir dir;
    const QString ini = WriteIni(dir, "[paths]\ndrive_d = /data/Praxis Dr. A, B,C \n[pacs]\ncalled_aet=CLINIC,2\n");
    AppConfig config;
    const ConfigResult r = ResolveConfig(Args({}), QProcessEnvironment(), ini, &config);
    QCOMPARE(r.status, ConfigResult::Ok);
    QCOMPARE(config.driveD, QStringLiteral("/data/Praxis Dr. A, B,C"));
    QCOMPARE(config.pacs.calledAet, std::string("CLINIC,2"));

    // The tools read the file without Qt and must find the same folder, also in what the
    // Settings dialog writes (quoted, escaped).
    std::string value;
    QVERIFY(platform::ReadSettingsValue(ini.toStdString(), "paths/drive_d", &value));
    QCOMPARE(QString::fromStdString(value), config.driveD);
    QVERIFY(!platform::ReadSettingsValue(ini.toStdString(), "paths/data_group", &value));
    const QString written = dir.filePath(QStringLiteral("written.ini"));
    const QString odd = QStringLiteral(" /srv/Praxis \"Ørsted\"; A,B\\x=1\t");
    {
        QSettings settings(written, QSettings::IniFormat);
        settings.setValue(QStringLiteral("paths/drive_d"), odd);
        settings.setValue(QStringLiteral("report/doctor"), QStringLiteral("Dr. 王"));
    }
    QVERIFY(platform::ReadSettingsValue(written.toStdString(), "paths/drive_d", &value));
    QCOMPARE(QString::fromStdString(value), odd);
    QVERIFY(platform::ReadSettingsValue(written.toStdString(), "report/doctor", &value));
    QCOMPARE(QString::fromStdString(value), QStringLiteral("Dr. 王"));
}

void AppConfigTest::practiceSystemPatientIsTakenOnlyWhenSound() {
    AppConfig config;
    const QString none = QStringLiteral("/nonexistent/kavimo.ini");
    const QString today = QStringLiteral("20261208");
    // Both spellings of an option, and the words a practice system writes for the sex.
    ConfigResult r = ResolveConfig(Args({"--patient-id", "4711", "--last-name=Zhang", "--first-name", "Wei",
                                         "--birth-date=1985-05-05", "--sex", "male"}),
                                   QProcessEnvironment(), none, &config, today);
    QCOMPARE(r.status, ConfigResult::Ok);
    QVERIFY(config.hasPatient);
    QCOMPARE(config.patient.patientId, std::string("4711"));
    QCOMPARE(config.patient.lastName, std::string("Zhang"));
    QCOMPARE(config.patient.birthDate, std::string("19850505"));
    QCOMPARE(config.patient.sex, std::string("M"));
    r = ResolveConfig(Args({}), QProcessEnvironment(), none, &config, today);
    QVERIFY(!config.hasPatient);

    // Refused data is told apart from a wrong command line: the program says so and ends with
    // its own status.
    for (const QStringList& refused :
         {QStringList{"--patient-id", "../../etc", "--last-name", "Z"},
          QStringList{"--patient-id", "4711", "--last-name", "Z", "--birth-date", "20261209"},
          QStringList{"--patient-id", "4711", "--last-name", "Z", "--birth-date", "19850230"},
          QStringList{"--patient-id", "4711", "--last-name", "Z", "--sex", "Mann"},
          QStringList{"--patient-id", "4711", "--last-name", "Z\x1b[2J"}}) {
        r = ResolveConfig(Args(refused), QProcessEnvironment(), none, &config, today);
        QCOMPARE(r.status, ConfigResult::PatientRefused);
        QVERIFY(!config.hasPatient);
    }
    // Patient options without the ID, and an ID beside a transfer file, are mistakes.
    QCOMPARE(ResolveConfig(Args({"--last-name", "Z"}), QProcessEnvironment(), none, &config, today).status,
             ConfigResult::Error);
    QTemporaryDir dir;
    const QString transfer = WriteIni(dir, QStringLiteral("[PATIENT]\n"));
    QCOMPARE(ResolveConfig(Args({transfer}), QProcessEnvironment(), none, &config, today).status, ConfigResult::Ok);
    QCOMPARE(config.transferFile, transfer);
    QCOMPARE(ResolveConfig(Args({transfer, "--patient-id", "1", "--last-name", "Z"}), QProcessEnvironment(), none,
                           &config, today)
                 .status,
             ConfigResult::Error);
}

QTEST_GUILESS_MAIN(AppConfigTest)
#include "appconfig_test.moc"
