// The picture commands and the record writes on a disk that is full, or read-only: every failure
// says what failed and why, no partial file is left, no record names a file that is not there,
// and the live view goes on.
//
// The d: drive is a small tmpfs, filled up for real. The program enters a mount namespace of
// its own before anything else runs (a namespace can only be entered while the process has one
// thread), so the mount is seen by nobody else and goes with the process; where the machine does
// not allow that, the tests skip and say why.
#include <QtTest>

#include <QBuffer>
#include <QTextEdit>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "app/pictures/pictureio.h"
#include "tests/app/support/fakecameras.h"
#include "tests/app/support/picturetestsupport.h"

using namespace MainCtl;

namespace {

const QColor kGreen(0, 160, 0);
const QColor kBlue(0, 0, 200);
const QString kNoSpace = QString::fromLocal8Bit(std::strerror(ENOSPC));
const QString kReadOnly = QString::fromLocal8Bit(std::strerror(EROFS));

QString g_namespaceError;  // why there is no private mount namespace; empty when there is one

void EnterPrivateMountNamespace() {
    if (::unshare(CLONE_NEWNS) != 0) {
        g_namespaceError = QStringLiteral("no private mount namespace here: unshare: %1").arg(std::strerror(errno));
    } else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        g_namespaceError = QStringLiteral("mounts cannot be made private here: %1").arg(std::strerror(errno));
    }
}

// A tmpfs mounted over a directory for the life of the object.
class SmallDisk {
public:
    SmallDisk(const QString& dir, qint64 bytes) : m_dir(dir) {
        if (!g_namespaceError.isEmpty()) {
            m_error = g_namespaceError;
            return;
        }
        QDir().mkpath(dir);
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        if (::mount("kavimo-test", dir.toLocal8Bit().constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) !=
            0) {
            m_error = QStringLiteral("cannot mount a tmpfs here: %1").arg(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk() {
        if (m_mounted) ::umount2(m_dir.toLocal8Bit().constData(), MNT_DETACH);
    }
    const QString& Error() const { return m_error; }

    // Writes a filler file until the disk takes no byte more.
    bool Fill() {
        const int fd = ::open(FillerPath().constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        std::vector<char> block(1 << 16, 'x');
        for (size_t size : {block.size(), size_t(4096), size_t(1)}) {
            while (::write(fd, block.data(), size) > 0) {}
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }
    void Empty() { ::unlink(FillerPath().constData()); }
    bool MakeReadOnly() {
        return ::mount(nullptr, m_dir.toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray FillerPath() const { return (m_dir + QStringLiteral("/filler")).toLocal8Bit(); }
    QString m_dir;
    QString m_error;
    bool m_mounted = false;
};

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every picture in the store's list, in memory and in DisePicList.fdb, names a file that is there,
// and the list file holds whole records only.
void CheckRecordsNameExistingFiles(PictureHarness& h) {
    _USER_INFO user = {};
    QVERIFY(h.Store().GetCurrentUser(&user) >= 0);
    for (int i = 0; i < user.picCount; ++i) {
        _DISE_PIC picture = {};
        QCOMPARE(h.Store().GetPicture(i, &picture), 1);
        const QString path = HostPathOf(PicturePathText(picture));
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    }
    const QByteArray list = FileBytes(h.PatientDir() + QStringLiteral("/DisePicList.fdb"));
    QCOMPARE(list.size() % qsizetype(sizeof(_DISE_PIC)), 0);
    for (qsizetype at = 0; at < list.size(); at += qsizetype(sizeof(_DISE_PIC))) {
        _DISE_PIC picture;
        std::memcpy(&picture, list.constData() + at, sizeof picture);
        const QString path = HostPathOf(PicturePathText(picture));
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    }
}

// The names in a directory besides the ones expected: what a failed write left behind.
QStringList Leftovers(const QString& dir, const QStringList& expected) {
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : expected) names.removeAll(name);
    return names;
}

// A frame as the decoder hands it to the player, for the player's own BMP writer.
class Frame {
public:
    Frame() : m_y(320 * 240, 120), m_u(160 * 120, 128), m_v(160 * 120, 128) {
        m_frame.width = 320;
        m_frame.height = 240;
        m_frame.strideY = 320;
        m_frame.strideU = 160;
        m_frame.strideV = 160;
        m_frame.planeY = m_y.data();
        m_frame.planeU = m_u.data();
        m_frame.planeV = m_v.data();
    }
    const TEGMO_YUV_FRAME* Get() const { return &m_frame; }

private:
    std::vector<uint8_t> m_y, m_u, m_v;
    TEGMO_YUV_FRAME m_frame = {};
};

}  // namespace

class FullDiskTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void streamCameraAndPictureCommandsOnAFullDisk();
    void snapOnAFullDisk();
    void writesOnAReadOnlyDisk();
};

void FullDiskTest::streamCameraAndPictureCommandsOnAFullDisk() {
    PictureHarness h;
    SmallDisk disk(h.Drive().root(), 4 << 20);
    if (!disk.Error().isEmpty()) QSKIP(qPrintable(disk.Error()));
    h.AddPictures({kGreen, kBlue});
    const QString outside = h.Drive().root() + QStringLiteral("/export");  // on the same disk
    QVERIFY(QDir().mkpath(outside));
    FakeStreamCamera camera;
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalCommandPort());
        camera.SetHeartbeats(true);
    });
    QVERIFY(h.Start(camera.Port()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.liveState(), LiveState::Live);
    h.Button(IdSample)->click();  // review first; the live view comes back for the freeze
    QCOMPARE(d.liveState(), LiveState::Idle);
    h.ShowPicture(1);
    const QString dir = h.PatientDir();
    const QStringList patientFiles =
        QStringList({"DiagList.fdb", "DisePicList.fdb", "UserInfoBackup.fdb"}) + h.PictureFiles();
    const QString shown = dir + QLatin1Char('/') + h.Pictures()[1];
    const QByteArray shownBytes = FileBytes(shown);
    h.Stroke({{100, 100}, {300, 100}});
    h.Button(IdPickup)->click();
    h.ClickThumbnail(0);
    QTemporaryDir source;
    QVERIFY(WriteJpeg(source.filePath("import.jpg"), 640, 480, kGreen));
    d.SetImportChooser([&](QWidget*) { return QStringList({source.filePath("import.jpg")}); });
    d.SetExportChooser([&](QWidget*) { return outside; });
    QVERIFY(disk.Fill());
    h.Drive().messages.clear();

    // Save As, Save, Import, Export: each says what failed and why; nothing half-written stays.
    h.Button(IdSaveAs)->click();
    h.Button(IdSave)->click();
    h.Button(IdImport)->click();
    h.Button(IdExport)->click();
    const QStringList& messages = h.Drive().messages;
    QVERIFY2(messages.size() == 4, qPrintable(messages.join(QStringLiteral(" // "))));
    QVERIFY2(messages[0].startsWith("Oral image acquisition system|Fail to Save！\n") && messages[0].endsWith(kNoSpace),
             qPrintable(messages[0]));
    QVERIFY2(messages[1].contains(h.Pictures()[1]) && messages[1].endsWith(kNoSpace), qPrintable(messages[1]));
    QVERIFY2(messages[2].contains("import.jpg: " + kNoSpace), qPrintable(messages[2]));
    QVERIFY2(messages[3].contains(h.Pictures()[0] + ": " + kNoSpace), qPrintable(messages[3]));
    QCOMPARE(FileBytes(shown), shownBytes);
    QCOMPARE(Leftovers(dir, patientFiles), QStringList());
    QCOMPARE(Leftovers(outside, {}), QStringList());
    QCOMPARE(h.PictureCount(), 2);
    CheckRecordsNameExistingFiles(h);
    QVERIFY(d.HasUnsavedStrokes());  // still there to be saved when there is room

    // Freeze: the player cannot write the frame; said so, and the live view goes on.
    Frame frame;
    d.SetSnapshotWriter([&](const std::string& path) { return TEGMO_PLAY_VideoShot(frame.Get(), path.c_str()) == 1; });
    h.Drive().messages.clear();
    h.Button(IdSample)->click();  // live again
    QCOMPARE(d.liveState(), LiveState::Live);
    h.Button(IdFreeze)->click();  // frozen, the frame to temp.bmp
    QCOMPARE(d.liveState(), LiveState::Frozen);
    h.Button(IdFreeze)->click();  // frozen: store it
    QCOMPARE(h.Drive().messages,
             QStringList({"Oral image acquisition system|Fail to Save！\nd:\\DentalWorkDir\\temp.bmp: " + kNoSpace}));
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(d.Live().HasReceiver());
    QVERIFY(!QFileInfo::exists(h.Drive().workDir() + "/temp.bmp"));
    QCOMPARE(h.PictureCount(), 2);
    CheckRecordsNameExistingFiles(h);

    // With room again the same commands work: the failures were the disk's.
    disk.Empty();
    h.Drive().messages.clear();
    h.Button(IdFreeze)->click();
    h.Button(IdFreeze)->click();
    QCOMPARE(h.PictureCount(), 3);
    QVERIFY(h.Drive().messages.isEmpty());
    CheckRecordsNameExistingFiles(h);
}

void FullDiskTest::snapOnAFullDisk() {
    PictureHarness h;
    SmallDisk disk(h.Drive().root(), 2 << 20);
    if (!disk.Error().isEmpty()) QSKIP(qPrintable(disk.Error()));
    h.AddPictures({kGreen});
    FakePictureCamera camera;
    QImage preview(320, 240, QImage::Format_RGB32);
    preview.fill(kBlue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(preview.save(&buffer, "JPG"));
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalPictureReplyPort());
        camera.SetPreviews(jpeg, true);
    });
    QVERIFY(h.Start(0, camera.CommandPort(), camera.PicturePort()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.CameraType(), CAMERA_PICTURE);
    QTRY_VERIFY_WITH_TIMEOUT(camera.Connections() >= 1 && d.JpegCount() > 0, 3000);
    const QStringList patientFiles =
        QStringList({"DiagList.fdb", "DisePicList.fdb", "UserInfoBackup.fdb"}) + h.PictureFiles();
    QVERIFY(disk.Fill());
    h.Drive().messages.clear();
    h.Button(IdFreeze)->click();  // "Snap"
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(h.Drive().messages[0].startsWith("Error|Fail to save picture！\nd:\\DentalWorkDir\\UID") &&
                 h.Drive().messages[0].endsWith(kNoSpace),
             qPrintable(h.Drive().messages[0]));
    QCOMPARE(Leftovers(h.PatientDir(), patientFiles), QStringList());
    QCOMPARE(h.PictureCount(), 1);
    CheckRecordsNameExistingFiles(h);
    // The previews still come in.
    const int previews = d.JpegCount();
    QTRY_VERIFY_WITH_TIMEOUT(d.JpegCount() > previews, 3000);

    // A picture taken with the camera's own button is lost too: said so.
    h.Drive().messages.clear();
    camera.SendCaptured(jpeg);
    QTRY_COMPARE_WITH_TIMEOUT(h.Drive().messages.size(), 1, 5000);
    QVERIFY2(h.Drive().messages[0].startsWith("Error|Fail to save picture！\nd:\\DentalWorkDir\\UID") &&
                 h.Drive().messages[0].endsWith(kNoSpace),
             qPrintable(h.Drive().messages[0]));
    QCOMPARE(Leftovers(h.PatientDir(), patientFiles), QStringList());
    QCOMPARE(h.PictureCount(), 1);
}

void FullDiskTest::writesOnAReadOnlyDisk() {
    PictureHarness h;
    SmallDisk disk(h.Drive().root(), 4 << 20);
    if (!disk.Error().isEmpty()) QSKIP(qPrintable(disk.Error()));
    h.AddPictures({kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    h.Stroke({{100, 100}, {300, 100}});
    QTemporaryDir source;
    QVERIFY(WriteJpeg(source.filePath("import.jpg"), 64, 48, kBlue));
    d.SetImportChooser([&](QWidget*) { return QStringList({source.filePath("import.jpg")}); });
    auto* disease = static_cast<QTextEdit*>(d.Control(IdDisease));
    disease->setPlainText(QStringLiteral("Caries on 36"));
    QVERIFY(disk.MakeReadOnly());
    h.Drive().messages.clear();

    h.Button(IdSaveAs)->click();
    h.Button(IdImport)->click();
    h.Button(IdSaveDisease)->click();
    const QStringList& messages = h.Drive().messages;
    QVERIFY(messages.size() >= 3);
    QVERIFY2(
        messages[0].startsWith("Oral image acquisition system|Fail to Save！\n") && messages[0].endsWith(kReadOnly),
        qPrintable(messages[0]));
    QVERIFY2(messages[1].contains("import.jpg: " + kReadOnly), qPrintable(messages[1]));
    // The store names each record file it could not write.
    for (const QString& message : messages.mid(2))
        QVERIFY2(message.contains(".fdb\": " + kReadOnly), qPrintable(message));
    QVERIFY(d.HasUnsavedDiagnosis());
    QVERIFY(d.HasUnsavedStrokes());
    QCOMPARE(h.PictureCount(), 1);
    CheckRecordsNameExistingFiles(h);
}

int main(int argc, char** argv) {
    EnterPrivateMountNamespace();  // while this is the only thread
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    FullDiskTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "fulldisk_test.moc"
