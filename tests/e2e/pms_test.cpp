// The practice-management system's view of kavimo, played as such a system plays it: it starts
// the kavimo program with a patient, starts it again with another one while the first runs, and
// talks VDDS-media through transfer files. The program runs on the offscreen platform with its
// own home, runtime directory and d: drive; its cameras point at free ports of 127.0.0.1.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dicom/installation.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "platform/paths.h"
#include "pms/patientopen.h"
#include "records/patientdetails.h"
#include "records/recordnames.h"
#include "records/recordstore.h"

namespace {

// Ports nobody listens on: the kernel's choice, released again.
QStringList FreePortOptions() {
    QStringList args;
    std::vector<std::unique_ptr<QUdpSocket>> held;
    for (const char* option : {"--stream-command-port", "--stream-local-port", "--video-port", "--picture-command-port",
                               "--picture-reply-port", "--picture-port"}) {
        held.push_back(std::make_unique<QUdpSocket>());
        held.back()->bind(QHostAddress::LocalHost, 0);
        args << QString::fromLatin1(option) << QString::number(held.back()->localPort());
    }
    return args;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class PmsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void practiceSystemDrivesOneWindow();
    void cleanupTestCase();

private:
    QProcess* Start(const QStringList& args);
    // Runs a second start to its end; its exit status.
    int Run(const QStringList& args, QByteArray* out = nullptr);
    // A start that refuses: what it says on standard error, up to `expected`. Its message box is
    // not answered here, so the process is ended once it has spoken.
    QByteArray RunRefused(const QStringList& args, const QByteArray& expected);
    QString Work() const { return m_dir.filePath("d/DentalWorkDir"); }
    uint64_t LastPatient() const {
        return QSettings(m_dir.filePath("config/kavimo/kavimo.ini"), QSettings::IniFormat)
            .value("session/lastPatient")
            .toULongLong();
    }
    std::vector<uint64_t> WithId(const char* id) const { return pms::PatientsWithId(Work().toStdString(), id); }
    int PatientDirectories() const {
        return QDir(Work()).entryList({"UID*"}, QDir::Dirs | QDir::NoDotAndDotDot).size();
    }
    void AddPicture(uint64_t uid, const QString& name);

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QStringList m_common;
    std::unique_ptr<QProcess> m_first;
    uint64_t m_withPicture = 0;
};

void PmsTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    for (const char* sub : {"home", "run", "config", "state", "d", "out"}) QVERIFY(QDir(m_dir.path()).mkdir(sub));
    QFile::setPermissions(m_dir.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert("HOME", m_dir.filePath("home"));
    m_env.insert("XDG_RUNTIME_DIR", m_dir.filePath("run"));
    m_env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    m_env.insert("XDG_STATE_HOME", m_dir.filePath("state"));
    m_env.insert("KAVIMO_LOG_FILE", m_dir.filePath("kavimo.log"));
    m_env.insert("QT_QPA_PLATFORM", "offscreen");
    m_env.remove("KAVIMO_CONFIG");
    m_env.remove("KAVIMO_DEBUG");
    m_common =
        QStringList{"--drive-d", m_dir.filePath("d"), "--stream-camera", "127.0.0.1", "--picture-camera", "127.0.0.1"} +
        FreePortOptions();

    // The clinic's records before the practice system's first call: the work directory (so that
    // its first-run message does not wait for a click) and a patient with a picture.
    platform::SetDriveRoot(m_dir.filePath("d").toStdString());
    RecordStore store;
    store.PrepareWorkDir();
    store.Load();
    _USER_INFO user = {};
    user.uid = records::MakeUid(std::time(nullptr) - 3600);
    QVERIFY(store.AddUser(user) == 1);
    m_withPicture = user.uid;
    records::PatientDetails details;
    details.name = "Old, Patient";
    details.patientId = "4713";
    std::string error;
    QVERIFY(records::WritePatientDetails(platform::HostPath(records::PatientDirPath(user.uid)), details, &error));
    AddPicture(user.uid, "20240102030405");
}

void PmsTest::AddPicture(uint64_t uid, const QString& name) {
    RecordStore store;
    store.Load();
    int index = -1;
    for (int i = 0; i < store.UserCount(); ++i) {
        _USER_INFO user = {};
        if (store.GetUser(i, &user) == i && user.uid == uid) index = i;
    }
    QVERIFY(index >= 0 && store.SelectUser(index) == index);
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(200, 80, 40));
    const std::string logical = records::PatientDirPath(uid) + "\\" + name.toStdString() + ".jpg";
    QVERIFY(picture.save(QString::fromStdString(platform::HostPath(logical)), "JPG"));
    QVERIFY(store.AddPicture(0, logical, true) == 1);
    QVERIFY(store.CommitCurrentUser() == 1);
}

QProcess* PmsTest::Start(const QStringList& args) {
    auto* process = new QProcess(this);
    process->setProcessEnvironment(m_env);
    process->setReadChannel(QProcess::StandardError);
    process->start(QStringLiteral(KAVIMO_PATH), m_common + args);
    return process;
}

int PmsTest::Run(const QStringList& args, QByteArray* out) {
    std::unique_ptr<QProcess> process(Start(args));
    if (!process->waitForFinished(60000)) {
        process->kill();
        process->waitForFinished();
        qWarning("kavimo %s did not end", qPrintable(args.join(' ')));
        return -1;
    }
    if (out) *out = process->readAllStandardOutput();
    const QByteArray said = process->readAllStandardError();
    if (!said.isEmpty()) qInfo("%s", said.constData());
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

QByteArray PmsTest::RunRefused(const QStringList& args, const QByteArray& expected) {
    std::unique_ptr<QProcess> process(Start(args));
    QByteArray said;
    QDeadlineTimer deadline(30000);
    while (!said.contains(expected) && !deadline.hasExpired() && process->state() != QProcess::NotRunning) {
        process->waitForReadyRead(500);
        said += process->readAllStandardError();
    }
    process->kill();
    process->waitForFinished();
    return said + process->readAllStandardError();
}

void PmsTest::practiceSystemDrivesOneWindow() {
    // The first call: kavimo starts on a new patient and listens for the next start.
    m_first.reset(Start({"--patient-id", "4711", "--last-name", "Zhang", "--first-name", "Wei", "--birth-date",
                         "19850505", "--sex", "M"}));
    QTRY_VERIFY_WITH_TIMEOUT(WithId("4711").size() == 1 && LastPatient() == WithId("4711").front(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(m_dir.filePath("run")).entryList({"kavimo-*.socket"}, QDir::System).isEmpty(),
                             30000);
    const QString socket =
        m_dir.filePath("run/") + QDir(m_dir.filePath("run")).entryList({"kavimo-*.socket"}, QDir::System).first();
    QCOMPARE(
        QFileInfo(socket).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
        QFile::Permissions());
    const uint64_t zhang = WithId("4711").front();

    // The second call with another patient switches the running window and ends at once.
    QByteArray out;
    QCOMPARE(Run({"--patient-id=4712", "--last-name=M\u00fcller", "--first-name=Anna", "--sex=Female"}, &out), 0);
    QVERIFY2(out.contains("4712"), out.constData());
    QCOMPARE(WithId("4712").size(), size_t(1));
    QCOMPARE(LastPatient(), WithId("4712").front());
    // Back to the first patient: selected, not made again.
    QCOMPARE(Run({"--patient-id", "4711", "--last-name", "Zhang", "--first-name", "Wei"}), 0);
    QCOMPARE(WithId("4711"), std::vector<uint64_t>{zhang});
    QCOMPARE(LastPatient(), zhang);
    QCOMPARE(m_first->state(), QProcess::Running);

    // VDDS: a patient import of the patient with a picture, handed to the running window and
    // answered in the same file, in ISO-8859-1, with the picture list.
    const QString transfer = m_dir.filePath("TRANSFER.INI");
    const QByteArray import =
        "[PATIENT]\r\nPATID=4713\r\nLASTNAME=Gr\xfc\xdf\r\nFIRSTNAME=J\xfcrgen\r\nBIRTHDAY=01.02.1970\r\nSEX=W\r\n";
    WriteAll(transfer, import);
    QCOMPARE(Run({transfer}), 0);
    QByteArray answer = ReadAll(transfer);
    QVERIFY2(answer.startsWith(import), answer.constData());
    QVERIFY2(answer.contains("[STATUS]\r\nREADY=1\r\nERRORLEVEL=0\r\n"), answer.constData());
    QVERIFY2(answer.contains("[MMOS]\r\nCOUNT=1\r\n[MMO1]\r\nMMOID=20240102030405\r\n"), answer.constData());
    QVERIFY(answer.contains("EXT=JPG"));
    QCOMPARE(LastPatient(), m_withPicture);

    // A new patient from a transfer file: its Latin-1 name arrives whole.
    WriteAll(transfer, "[PATIENT]\r\nPATID=4714\r\nLASTNAME=M\xfcller\r\nFIRSTNAME=J\xfcrgen\r\nSEX=M\r\n");
    QCOMPARE(Run({transfer}), 0);
    QVERIFY(ReadAll(transfer).contains("READY=1\r\nERRORLEVEL=0\r\n"));
    QVERIFY(ReadAll(transfer).contains("COUNT=0"));
    QCOMPARE(WithId("4714").size(), size_t(1));
    records::PatientDetails details;
    records::ReadPatientDetails(Work().toStdString() + "/" + records::UidText(WithId("4714").front()), &details);
    QCOMPARE(QString::fromStdString(details.name), QString::fromUtf8("M\u00fcller, J\u00fcrgen"));

    // Showing the chosen picture: the running window goes to its patient.
    QCOMPARE(Run({"--patient-id", "4711", "--last-name", "Zhang"}), 0);
    WriteAll(transfer,
             "[PATIENT]\r\nPATID=4713\r\nLASTNAME=Gr\xfc\xdf\r\n[MMOS]\r\nCOUNT=1\r\n[MMO1]\r\n"
             "MMOID=20240102030405\r\n");
    QCOMPARE(Run({transfer}), 0);
    QVERIFY(ReadAll(transfer).contains("READY=1\r\nERRORLEVEL=0\r\n"));
    QCOMPARE(LastPatient(), m_withPicture);

    // The export of the chosen picture, without a window.
    WriteAll(transfer,
             "[PATIENT]\r\nPATID=4713\r\nLASTNAME=Gr\xfc\xdf\r\n[MMOS]\r\nCOUNT=1\r\n[MMO1]\r\n"
             "MMOID=20240102030405\r\n[MMOPATH]\r\nPATH=" +
                 m_dir.filePath("out").toLocal8Bit() + "\r\n");
    QCOMPARE(Run({transfer}), 0);
    const QString exported = m_dir.filePath("out/20240102030405.jpg");
    QCOMPARE(ReadAll(exported),
             ReadAll(Work() + "/" + QString::fromStdString(records::UidText(m_withPicture)) + "/20240102030405.jpg"));
    QVERIFY(ReadAll(transfer).contains("FILE=" + exported.toLocal8Bit()));

    // Bad input: a clear word, and nothing changes.
    const int patients = PatientDirectories();
    const uint64_t current = LastPatient();
    QByteArray said = RunRefused({"--patient-id", "../4715", "--last-name", "X"}, "path character");
    QVERIFY2(said.contains("path character"), said.constData());
    said = RunRefused({"--patient-id", "4715", "--last-name", "X", "--birth-date", "20991231"}, "future");
    QVERIFY2(said.contains("future"), said.constData());
    const QByteArray utf8 = "[PATIENT]\r\nPATID=4715\r\nLASTNAME=M\xc3\xbcller\r\n";
    WriteAll(transfer, utf8);
    said = RunRefused({transfer}, "UTF-8");
    QVERIFY2(said.contains("the file is UTF-8 text, not ISO-8859-1"), said.constData());
    QCOMPARE(ReadAll(transfer), utf8);
    QCOMPARE(PatientDirectories(), patients);
    QVERIFY(WithId("4715").empty());
    QCOMPARE(LastPatient(), current);
    QCOMPARE(m_first->state(), QProcess::Running);

    // The session ends: the first kavimo closes without a question.
    m_first->terminate();
    QVERIFY(m_first->waitForFinished(30000));
    QCOMPARE(m_first->exitCode(), 0);

    // A picture of the first patient goes to the archive under the practice system's ID, with
    // the installation's issuer.
    AddPicture(zhang, "20261208101010");
    dicom::PatientPictures patient;
    std::string error;
    QVERIFY2(dicom::LoadPatientPictures(zhang, &patient, &error), error.c_str());
    QCOMPARE(patient.pictures.size(), size_t(1));
    const std::unique_ptr<dicom::PictureObject> object = dicom::PictureObject::Build(patient.pictures[0], &error);
    QVERIFY2(object, error.c_str());
    OFString id;
    OFString issuer;
    QVERIFY(object->File().getDataset()->findAndGetOFString(DCM_PatientID, id).good());
    QVERIFY(object->File().getDataset()->findAndGetOFString(DCM_IssuerOfPatientID, issuer).good());
    QCOMPARE(QString::fromLatin1(id.c_str()), QStringLiteral("4711"));
    QCOMPARE(issuer.c_str(), dicom::OwnPatientIdIssuer(patient.installationId).c_str());
    QVERIFY(QString::fromLatin1(issuer.c_str()).startsWith("KAVIMO-"));
}

void PmsTest::cleanupTestCase() {
    if (m_first && m_first->state() != QProcess::NotRunning) {
        m_first->kill();
        m_first->waitForFinished();
    }
    platform::SetDriveRoot("");
}

QTEST_GUILESS_MAIN(PmsTest)
#include "pms_test.moc"
