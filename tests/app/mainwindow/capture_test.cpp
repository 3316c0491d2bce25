// Capture and picture management in the main window: Freeze for the stream camera (through the
// snapshot) and the picture camera (a fake one on loopback), Import naming, Export, Delete with
// its confirmation answered from the camera's thread, and the pick-up of pictures.
#include <QtTest>

#include <QTableWidget>

#include <QBuffer>
#include <QImageReader>
#include <QListWidget>
#include <QTimer>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <thread>

#include "app/widgets/restoredlg.h"
#include "platform/clock.h"
#include "records/audittrail.h"
#include "tests/app/support/fakecameras.h"
#include "tests/app/support/picturetestsupport.h"

using namespace MainCtl;

namespace {

const QColor kRed(220, 0, 0);
const QColor kGreen(0, 170, 0);
const QColor kBlue(0, 0, 210);
const QColor kYellow(220, 220, 0);
const QColor kGrey(128, 128, 128);

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor CentreColour(const QString& path) {
    const QImage image(path);
    return image.isNull() ? QColor() : QColor(image.pixel(image.width() / 2, image.height() / 2));
}

QByteArray Jpeg(QColor colour, int w = 160, int h = 120) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

void SendKey(CkavimoDlg& dialog, int code) {
    QCoreApplication::postEvent(&dialog, new CameraKeyEvent(code));
    QCoreApplication::sendPostedEvents(&dialog);
}

QString Text(PictureHarness& h, int id) { return h.Button(id)->text(); }

// The work directory's latest audit event: "event outcome patient file".
QString LastAuditEvent(PictureHarness& h) {
    std::vector<records::AuditEvent> events;
    size_t skipped = 0;
    std::string error;
    records::AuditTrail::ReadFile((h.Drive().workDir() + "/AuditTrail.jsonl").toStdString(), &events, &skipped, &error);
    if (events.empty()) return QString::fromStdString(error);
    const records::AuditEvent& e = events.back();
    return QString::fromStdString(e.event + (e.success ? " success UID" : " failure UID") + std::to_string(e.patient) +
                                  " " + e.file);
}

}  // namespace

class CaptureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importNamesFilesFromOneTimeValueWrappingTheHour();
    void importNeverOverwritesAndReportsWhatItCannotTake();
    void importStoresOtherPicturesAsJpegWhateverTheirName();
    void pickupHoldsFourPicturesAndExportCopiesThem();
    void deleteAsksAndRemovesTheShownPicture();
    void deleteFollowsTheShownPictureWhenImportMovedIt();
    void deletedPicturesGoToTheTrashAndComeBack();
    void cameraAnswersTheOpenDeleteBox();
    void key51WhileLiveNeitherDeletesNorFreezes();
    void streamFreezeStoresTheFrameAndGoesLiveAgain();
    void streamFreezeNeverStoresAStaleOrUnwrittenFrame();
    void frozenFrameOutlivesADropOfTheCameraLink();
    void pictureCameraSnapStoresTheNextPicture();
    void picksStayMarkedWhenThePictureCameraAddsAPicture();
};

void CaptureTest::importNamesFilesFromOneTimeValueWrappingTheHour() {
    PictureHarness h;
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QTemporaryDir source;
    const QStringList chosen = {source.filePath("a.jpg"), source.filePath("b.jpg"), source.filePath("c.jpg")};
    QVERIFY(WriteJpeg(chosen[0], 200, 150, kRed));
    QVERIFY(WriteJpeg(chosen[1], 200, 150, kGreen));
    QVERIFY(WriteJpeg(chosen[2], 200, 150, kBlue));
    d.SetClock([] { return LocalTime(2026, 12, 6, 23, 59, 59); });
    d.SetImportChooser([&](QWidget* parent) {
        if (parent != &d) return QStringList();
        return chosen;
    });
    h.Button(IdImport)->click();
    // The hour wraps to 0 without the date moving on.
    QCOMPARE(h.PictureFiles(), QStringList({"20261206000000.jpg", "20261206000001.jpg", "20261206235959.jpg"}));
    QVERIFY(Near(CentreColour(h.PatientDir() + "/20261206235959.jpg"), kRed));
    QVERIFY(Near(CentreColour(h.PatientDir() + "/20261206000000.jpg"), kGreen));
    QVERIFY(Near(CentreColour(h.PatientDir() + "/20261206000001.jpg"), kBlue));
    QCOMPARE(FileBytes(h.PatientDir() + "/20261206235959.jpg"), FileBytes(chosen[0]));
    QCOMPARE(h.PictureCount(), 3);
    QCOMPARE(d.ThumbList()->count(), 3);
    QCOMPARE(h.Drive().messages.filter("Fail").size(), 0);

    // Cancelled: nothing happens.
    d.SetImportChooser([](QWidget*) { return QStringList(); });
    h.Button(IdImport)->click();
    QCOMPARE(h.PictureFiles().size(), 3);
}

void CaptureTest::importNeverOverwritesAndReportsWhatItCannotTake() {
    PictureHarness h;
    h.AddPictures({kGrey, kGrey});  // 20240501100000.jpg and 20240501100001.jpg
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QByteArray first = FileBytes(h.PatientDir() + "/20240501100000.jpg");
    QTemporaryDir source;
    const QString yellow = source.filePath("yellow.jpg"), blue = source.filePath("blue.jpg");
    const QString text = source.filePath("notes.jpg"), missing = source.filePath("missing.jpg");
    QVERIFY(WriteJpeg(yellow, 100, 80, kYellow));
    QVERIFY(WriteJpeg(blue, 100, 80, kBlue));
    {
        QFile notes(text);
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture at all");
    }
    d.SetClock([] { return LocalTime(2024, 5, 1, 10, 0, 0); });
    d.SetImportChooser([&](QWidget*) { return QStringList({yellow, text, missing, blue}); });
    h.Drive().messages.clear();
    h.Button(IdImport)->click();

    // The two names already taken are passed over; the pictures there are untouched.
    QCOMPARE(h.PictureFiles(),
             QStringList({"20240501100000.jpg", "20240501100001.jpg", "20240501100002.jpg", "20240501100003.jpg"}));
    QCOMPARE(FileBytes(h.PatientDir() + "/20240501100000.jpg"), first);
    QVERIFY(Near(CentreColour(h.PatientDir() + "/20240501100002.jpg"), kYellow));
    QVERIFY(Near(CentreColour(h.PatientDir() + "/20240501100003.jpg"), kBlue));
    QCOMPARE(h.PictureCount(), 4);
    // What could not be taken is said, each file on its line.
    QCOMPARE(h.Drive().messages.size(), 1);
    const QString message = h.Drive().messages[0];
    QVERIFY2(message.startsWith("Oral image acquisition system|Fail to import:\n"), qPrintable(message));
    QVERIFY(message.contains(QDir::toNativeSeparators(text) + ": not a picture"));
    QVERIFY(message.contains(QDir::toNativeSeparators(missing)));
    QVERIFY(!message.contains("yellow.jpg"));
}

// The patient's pictures are JPEG files: a PNG or a BMP, also one named .jpg, is converted on its
// way in; what the file holds decides, not its name.
void CaptureTest::importStoresOtherPicturesAsJpegWhateverTheirName() {
    PictureHarness h;
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QTemporaryDir source;
    const QString png = source.filePath("red.png"), bmp = source.filePath("green.bmp");
    const QString pngNamedJpg = source.filePath("blue.jpg");
    auto write = [](const QString& path, QColor colour, const char* format) {
        QImage image(120, 90, QImage::Format_ARGB32);
        image.fill(colour);
        return image.save(path, format);
    };
    QVERIFY(write(png, kRed, "PNG"));
    QVERIFY(write(bmp, kGreen, "BMP"));
    QVERIFY(write(pngNamedJpg, kBlue, "PNG"));
    d.SetClock([] { return LocalTime(2026, 12, 8, 9, 0, 0); });
    d.SetImportChooser([&](QWidget*) { return QStringList({png, bmp, pngNamedJpg}); });
    h.Drive().messages.clear();
    h.Button(IdImport)->click();

    QCOMPARE(h.Drive().messages, QStringList());
    QCOMPARE(h.PictureFiles(), QStringList({"20261208090000.jpg", "20261208090001.jpg", "20261208090002.jpg"}));
    const QColor colours[] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        const QString stored = h.PatientDir() + "/" + h.PictureFiles()[i];
        QVERIFY2(FileBytes(stored).startsWith("\xFF\xD8\xFF"), qPrintable(stored));
        QImageReader reader(stored);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(120, 90));
        QVERIFY(Near(CentreColour(stored), colours[i]));
    }
    QCOMPARE(h.PictureCount(), 3);
}

void CaptureTest::pickupHoldsFourPicturesAndExportCopiesThem() {
    PictureHarness h;
    h.AddPictures({kRed, kGreen, kBlue, kYellow, kGrey});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QTemporaryDir out;
    QString folder = out.path();
    d.SetExportChooser([&](QWidget*) { return folder; });

    // Not in pick-up mode a click picks nothing.
    h.ClickThumbnail(0);
    QCOMPARE(d.Picked().Count(), 0);

    h.Button(IdPickup)->click();
    QCOMPARE(Text(h, IdPickup), QStringLiteral("Drop"));
    QCOMPARE(d.Picked().PickMode(), true);
    const QImage unmarked = d.ThumbList()->Thumbnail(0);
    for (int index : {0, 1, 2, 3}) h.ClickThumbnail(index);
    QCOMPARE(d.Picked().Count(), 4);
    h.ClickThumbnail(4);  // a fifth is ignored
    QCOMPARE(d.Picked().Count(), 4);
    QCOMPARE(QList<int>({d.Picked().At(0), d.Picked().At(1), d.Picked().At(2), d.Picked().At(3)}),
             QList<int>({0, 1, 2, 3}));
    const QImage marked = d.ThumbList()->Thumbnail(0);
    QVERIFY(marked != unmarked);
    QColor corner(marked.pixel(4, 0));  // the red border of a picked thumbnail
    QVERIFY2(corner.red() > corner.green() + 60, qPrintable(corner.name()));
    h.ClickThumbnail(1);  // picked again: removed
    QCOMPARE(d.Picked().Count(), 3);
    QCOMPARE(d.Picked().At(1), 999);
    h.ClickThumbnail(4);  // takes the first free slot
    QCOMPARE(d.Picked().At(1), 4);

    h.Drive().messages.clear();
    h.Button(IdExport)->click();
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
             QStringList({h.Pictures()[0], h.Pictures()[2], h.Pictures()[3], h.Pictures()[4]}));
    QCOMPARE(FileBytes(out.filePath(h.Pictures()[4])), FileBytes(h.PatientDir() + "/" + h.Pictures()[4]));
    QCOMPARE(h.Drive().messages,
             QStringList({"picture output|4 pictures exported to " + QDir::toNativeSeparators(folder) + "."}));

    // A picked picture gone from the disk is reported; the others are still copied (over the
    // earlier copies).
    QVERIFY(QFile::remove(h.PatientDir() + "/" + h.Pictures()[2]));
    QTemporaryDir second;
    folder = second.path();
    h.Drive().messages.clear();
    h.Button(IdExport)->click();
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(h.Drive().messages[0].startsWith("picture output|3 pictures exported to ") &&
                 h.Drive().messages[0].contains("Fail to export:\n" + h.Pictures()[2]),
             qPrintable(h.Drive().messages[0]));

    // The chooser cancelled says nothing; a folder that does not exist is named.
    h.Drive().messages.clear();
    folder.clear();
    h.Button(IdExport)->click();
    QVERIFY(h.Drive().messages.isEmpty());
    folder = out.filePath("nowhere");
    h.Button(IdExport)->click();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY(h.Drive().messages[0].contains(QDir::toNativeSeparators(folder) + " does not exist"));

    // "Drop" ends the pick-up: nothing picked, the marks gone; an export asks about all pictures.
    h.Button(IdPickup)->click();
    QCOMPARE(Text(h, IdPickup), QStringLiteral("Pickup"));
    QCOMPARE(d.Picked().Count(), 0);
    QCOMPARE(d.Picked().At(0), 999);
    QCOMPARE(QColor(d.ThumbList()->Thumbnail(0).pixel(4, 0)), QColor(unmarked.pixel(4, 0)));
    QTemporaryDir third;
    folder = third.path();
    h.Drive().messages.clear();
    h.Drive().reply = QMessageBox::No;
    h.Button(IdExport)->click();
    QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
    QCOMPARE(h.Drive().messages, QStringList({"picture output|No picture is picked. Export all 5 pictures?"}));
    h.Drive().reply = QMessageBox::Yes;
    h.Button(IdExport)->click();
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 4);  // one was removed from the disk above
    QVERIFY2(h.Drive().messages.last().startsWith("picture output|4 pictures exported to "),
             qPrintable(h.Drive().messages.last()));
}

void CaptureTest::deleteAsksAndRemovesTheShownPicture() {
    PictureHarness h;
    h.AddPictures({kRed, kGreen, kBlue});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.Review().PaneIndex(0), 2);

    h.Drive().messages.clear();
    h.Drive().reply = QMessageBox::No;
    h.Button(IdDelete)->click();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY(h.Drive().messages[0].startsWith("Picture delete|Are you sure?\n\nDelete the picture of "));
    QCOMPARE(h.PictureFiles().size(), 3);
    QCOMPARE(d.IsDeleteConfirmOpen(), false);

    h.Drive().reply = QMessageBox::Yes;
    h.Button(IdDelete)->click();
    QCOMPARE(h.PictureFiles(), QStringList({h.Pictures()[0], h.Pictures()[1]}));
    QCOMPARE(LastAuditEvent(h),
             "delete success UID20170801102233 d:\\DentalWorkDir\\UID20170801102233\\" + h.Pictures()[2]);
    QCOMPARE(h.PictureCount(), 2);
    QCOMPARE(QFileInfo(h.PatientDir() + "/DisePicList.fdb").size(), 2 * 152);
    QCOMPARE(d.ThumbList()->count(), 2);
    QCOMPARE(d.CurrentIndex(), 1);  // clamped to the new last picture
    QVERIFY(d.Review().PanePath(0).endsWith(h.Pictures()[1]));
    QCOMPARE(d.Review().HistLevel(), 0);

    // With an empty pane 0 (a patient without pictures) the question is asked, and nothing is
    // removed.
    QCOMPARE(h.Store().AddUser(MakePatient(20240101100000ull, u"Anna", 30, 0, 111)), 1);
    auto choosePatient = [&](int row) {
        d.SetUserListRunner([row](CUserList& users) {
            users.UserList()->clearSelection();
            users.UserList()->selectRow(row);
            users.accept();
        });
        h.Button(IdUser)->click();
    };
    choosePatient(1);
    QCOMPARE(d.Review().PaneIndex(0), 999);
    QVERIFY(d.Review().PanePath(0).isEmpty());
    h.Drive().messages.clear();
    h.Button(IdDelete)->click();
    QCOMPARE(h.Drive().messages, QStringList({"Picture delete|Are you sure?"}));
    choosePatient(0);
    QCOMPARE(h.PictureFiles().size(), 2);
    QCOMPARE(h.PictureCount(), 2);

    // A record that names a file outside the patient's directory: the record goes, the file stays.
    const QString outside = h.Drive().workDir() + "/elsewhere.jpg";
    QVERIFY(WriteJpeg(outside, 32, 24, kGrey));
    QCOMPARE(h.Store().AddPicture(0, std::string("d:\\DentalWorkDir\\elsewhere.jpg"), true), 1);
    h.Button(IdUser)->click();  // the patient again: the newest record, the one just added, is shown
    QVERIFY(d.Review().PanePath(0).endsWith("elsewhere.jpg"));
    h.Button(IdDelete)->click();
    QVERIFY(QFileInfo::exists(outside));
    QCOMPARE(h.PictureCount(), 2);
    QCOMPARE(h.PictureFiles().size(), 2);

    // A picture put into the directory by other means comes into the list with the next delete,
    // once the store has read the directory again; the picture shown stays shown.
    QVERIFY(WriteJpeg(h.PatientDir() + "/20240501000000.jpg", 32, 24, kYellow));
    h.ShowPicture(1);
    const QString kept = d.Review().PanePath(0);
    h.ShowPicture(0);
    h.Button(IdDelete)->click();
    QTRY_COMPARE(h.PictureCount(), 2);
    QCOMPARE(h.PictureFiles(), QStringList({"20240501000000.jpg", h.Pictures()[1]}));
    QTRY_COMPARE(d.Review().PanePath(0), kept);
    QCOMPARE(d.CurrentIndex(), 1);  // the new picture came before it
    QCOMPARE(d.ThumbList()->count(), 2);
    QCOMPARE(QFileInfo(h.PatientDir() + "/DisePicList.fdb").size(), 2 * 152);

    // A picture the list shows but the store does not count (not a JPEG) comes in the same way.
    QImage bmp(16, 16, QImage::Format_RGB32);
    bmp.fill(kYellow);
    QVERIFY(bmp.save(h.PatientDir() + "/20240502000000.bmp"));
    h.Button(IdDelete)->click();
    QCOMPARE(h.PictureCount(), 1);
    QTRY_COMPARE(d.ThumbList()->fileNames, QStringList({"20240501000000.jpg", "20240502000000.bmp"}));
}

void CaptureTest::deleteFollowsTheShownPictureWhenImportMovedIt() {
    PictureHarness h;
    h.AddPictures({kRed, kGreen, kBlue});  // 10:00:00, 10:00:01, 10:00:02
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    h.Button(IdPickup)->click();
    h.ClickThumbnail(2);  // picks the blue picture
    h.ClickThumbnail(0);  // and the red one
    h.ShowPicture(1);     // the green picture shown, store index 1

    // An import named earlier in the day comes first in the store: the pictures move up.
    QTemporaryDir source;
    QVERIFY(WriteJpeg(source.filePath("x.jpg"), 64, 48, kYellow));
    d.SetClock([] { return LocalTime(2024, 5, 1, 8, 0, 0); });
    d.SetImportChooser([&](QWidget*) { return QStringList({source.filePath("x.jpg")}); });
    h.Button(IdImport)->click();
    QCOMPARE(h.PictureFiles().first(), QStringLiteral("20240501080000.jpg"));
    QCOMPARE(d.Review().PaneIndex(0), 1);  // as shown before the import
    // The picks follow their pictures.
    QCOMPARE(d.Picked().At(0), 3);
    QCOMPARE(d.Picked().At(1), 1);
    QCOMPARE(d.Picked().Count(), 2);

    h.Drive().reply = QMessageBox::Yes;
    h.Button(IdDelete)->click();
    // The green picture, the one on the screen, is gone, and only it.
    QCOMPARE(h.PictureFiles(), QStringList({"20240501080000.jpg", h.Pictures()[0], h.Pictures()[2]}));
    QCOMPARE(d.Picked().At(0), 2);
    QCOMPARE(d.Picked().At(1), 1);
    _DISE_PIC picture = {};
    QCOMPARE(h.Store().GetPicture(d.Picked().At(0), &picture), 1);
    QVERIFY(QString::fromStdString(records::FieldText(picture.path)).endsWith(h.Pictures()[2]));
}

void CaptureTest::deletedPicturesGoToTheTrashAndComeBack() {
    PictureHarness h;
    h.AddPictures({kRed, kGreen, kBlue});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    QVERIFY(!h.ChooseFromMenu(QStringLiteral("Restore deleted pictures…")));  // nothing deleted yet
    _DISE_PIC newest = {};
    QCOMPARE(h.Store().GetPicture(2, &newest), 1);
    const QString time = QStringLiteral("%1-%2-%3 %4:%5:%6")
                             .arg(int(newest.year))
                             .arg(int(newest.month), 2, 10, QLatin1Char('0'))
                             .arg(int(newest.day), 2, 10, QLatin1Char('0'))
                             .arg(int(newest.hour), 2, 10, QLatin1Char('0'))
                             .arg(int(newest.minute), 2, 10, QLatin1Char('0'))
                             .arg(int(newest.second), 2, 10, QLatin1Char('0'));

    // The question names the picture by its time; the camera's delete key deletes the same way.
    h.Drive().messages.clear();
    h.Drive().reply = QMessageBox::Yes;
    h.Button(IdDelete)->click();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY(h.Drive().messages[0].contains(QStringLiteral("Delete the picture of %1?").arg(time)));
    h.Key(0x51);
    QCOMPARE(h.PictureFiles(), QStringList({h.Pictures()[0]}));
    QCOMPARE(h.PictureCount(), 1);

    // Both come back from the right-click menu, under their names and with their times.
    struct HookReset {
        ~HookReset() { SetRestoreDialogHook({}); }
    } reset;
    int offered = 0;
    SetRestoreDialogHook([&](CRestoreDlg& dialog) {
        offered = dialog.List()->count();
        dialog.List()->selectAll();
        dialog.findChild<QPushButton*>(QStringLiteral("IdRestore"))->click();
    });
    QVERIFY(h.ChooseFromMenu(QStringLiteral("Restore deleted pictures…")));
    QCOMPARE(offered, 2);
    QCOMPARE(h.PictureFiles(), QStringList({h.Pictures()[0], h.Pictures()[1], h.Pictures()[2]}));
    QCOMPARE(h.PictureCount(), 3);
    QCOMPARE(QFileInfo(h.PatientDir() + "/DisePicList.fdb").size(), 3 * 152);
    QCOMPARE(d.ThumbList()->count(), 3);
    _DISE_PIC back = {};
    QCOMPARE(h.Store().GetPicture(2, &back), 1);
    QCOMPARE(std::memcmp(&back, &newest, offsetof(_DISE_PIC, padding)), 0);
    QVERIFY(!h.ChooseFromMenu(QStringLiteral("Restore deleted pictures…")));  // the trash holds none now
}

void CaptureTest::cameraAnswersTheOpenDeleteBox() {
    PictureHarness h;
    h.AddPictures({kRed, kGreen, kBlue});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    SetMessageBoxHook({});  // real boxes: the camera has to find this one on the screen

    // Whatever happens, no box stays open for ever.
    QTimer rescue;
    rescue.setInterval(5000);
    QObject::connect(&rescue, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) box->reject();
    });
    rescue.start();

    auto answerFromCamera = [&](int key) {
        std::atomic<int> result{-1};
        std::thread camera([&] {
            for (int waited = 0; !d.IsDeleteConfirmOpen() && waited < 5000; waited += 5) platform::SleepMs(5);
            result = d.AnswerDeleteConfirm(key);
        });
        h.Button(IdDelete)->click();  // returns once the box is answered
        camera.join();
        return result.load();
    };
    QCOMPARE(answerFromCamera('n'), 1);
    QCOMPARE(h.PictureFiles().size(), 3);
    QCOMPARE(answerFromCamera('y'), 1);
    QCOMPARE(h.PictureFiles(), QStringList({h.Pictures()[0], h.Pictures()[1]}));
    QCOMPARE(h.Store().DeletedPictures().size(), 1u);  // in the trash, as from the button

    // No box open: nothing to answer.
    std::atomic<int> result{-1};
    std::thread camera([&] { result = d.AnswerDeleteConfirm('y'); });
    QTRY_VERIFY(result.load() != -1);
    camera.join();
    QCOMPARE(result.load(), 0);
}

void CaptureTest::key51WhileLiveNeitherDeletesNorFreezes() {
    PictureHarness h;
    h.AddPictures({kRed, kGreen});
    FakeStreamCamera camera;
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalCommandPort());
        camera.SetHeartbeats(true);
    });
    QVERIFY(h.Start(camera.Port()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.liveState(), LiveState::Live);
    int snapshots = 0;
    d.SetSnapshotWriter([&](const std::string&) { return ++snapshots, false; });
    h.Drive().messages.clear();
    SendKey(d, 0x51);
    camera.SendKey(0x51);  // also from the camera itself
    QTest::qWait(200);
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(d.Live().HasReceiver());
    QCOMPARE(snapshots, 0);
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Freeze"));
    QVERIFY(h.Drive().messages.isEmpty());  // no delete question
    QCOMPARE(h.PictureFiles().size(), 2);
    // "Delete" itself is refused while live, too.
    h.Button(IdDelete)->click();
    QVERIFY(h.Drive().messages.isEmpty());
}

void CaptureTest::streamFreezeStoresTheFrameAndGoesLiveAgain() {
    PictureHarness h;
    h.AddPictures({kGrey, kGrey});
    FakeStreamCamera camera;
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalCommandPort());
        camera.SetHeartbeats(true);
    });
    QVERIFY(h.Start(camera.Port()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.liveState(), LiveState::Live);
    QColor frameColour = kRed;
    QStringList shots;
    d.SetSnapshotWriter([&](const std::string& path) {
        shots << QString::fromStdString(path);
        QImage frame(320, 240, QImage::Format_RGB888);
        frame.fill(frameColour);
        return frame.save(QString::fromStdString(path), "BMP");
    });
    d.SetClock([] { return LocalTime(2026, 12, 6, 19, 5, 7); });

    h.Button(IdFreeze)->click();
    QCOMPARE(d.liveState(), LiveState::Frozen);
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Save Pic"));
    QVERIFY(!d.Live().HasReceiver());
    QCOMPARE(shots, QStringList({h.Drive().workDir() + "/temp.bmp"}));

    h.Button(IdFreeze)->click();
    QCOMPARE(d.liveState(), LiveState::Live);
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Freeze"));
    QVERIFY(d.Live().HasReceiver());
    const QString name = QStringLiteral("20261206190507.jpg");
    QVERIFY(h.PictureFiles().contains(name));
    QCOMPARE(LastAuditEvent(h), "capture success UID20170801102233 d:\\DentalWorkDir\\UID20170801102233\\" + name);
    QVERIFY(Near(CentreColour(h.PatientDir() + "/" + name), kRed));
    QCOMPARE(QImage(h.PatientDir() + "/" + name).size(), QSize(320, 240));
    QCOMPARE(h.PictureCount(), 3);
    QCOMPARE(d.ThumbList()->count(), 3);
    // Live again, the newest pictures in the slots beside the video.
    QCOMPARE(d.Review().PaneIndex(0), 999);
    QCOMPARE(d.Review().PaneIndex(1), 2);

    // A second capture in the same second gets the next second's name.
    frameColour = kBlue;
    h.Button(IdFreeze)->click();
    h.Button(IdFreeze)->click();
    QVERIFY(h.PictureFiles().contains("20261206190508.jpg"));
    QVERIFY(Near(CentreColour(h.PatientDir() + "/20261206190508.jpg"), kBlue));
    QVERIFY(Near(CentreColour(h.PatientDir() + "/" + name), kRed));
    QCOMPARE(h.PictureCount(), 4);

    // Key 0x51 while frozen drops the frame: live again, nothing stored.
    h.Button(IdFreeze)->click();
    QCOMPARE(d.liveState(), LiveState::Frozen);
    SendKey(d, 0x51);
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(d.Live().HasReceiver());
    QCOMPARE(h.PictureCount(), 4);
    QVERIFY(h.Drive().messages.filter("Fail").isEmpty());

    // "Sample" while frozen also drops the frame and goes live: Freeze reads "Freeze" again.
    h.Button(IdFreeze)->click();
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Save Pic"));
    h.Button(IdSample)->click();
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(d.Live().HasReceiver());
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Freeze"));
    QCOMPARE(h.PictureCount(), 4);
}

void CaptureTest::streamFreezeNeverStoresAStaleOrUnwrittenFrame() {
    PictureHarness h;
    FakeStreamCamera camera;
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalCommandPort());
        camera.SetHeartbeats(true);
    });
    QVERIFY(h.Start(camera.Port()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.liveState(), LiveState::Live);
    // A frame from an earlier run lies in the work directory; the player has nothing to write.
    QImage stale(320, 240, QImage::Format_RGB888);
    stale.fill(kYellow);
    QVERIFY(stale.save(h.Drive().workDir() + "/temp.bmp", "BMP"));
    d.SetSnapshotWriter([](const std::string&) { return false; });
    h.Drive().messages.clear();
    h.Button(IdFreeze)->click();
    h.Button(IdFreeze)->click();
    QCOMPARE(h.Drive().messages, QStringList({"Oral image acquisition system|Fail to Save！"}));
    QCOMPARE(h.PictureFiles().size(), 0);
    QCOMPARE(h.PictureCount(), 0);
    QCOMPARE(d.liveState(), LiveState::Live);  // live again anyway
    QVERIFY(d.Live().HasReceiver());

    // The frame is there but the patient's directory cannot take it: reported, no record.
    d.SetSnapshotWriter([](const std::string& path) {
        return QImage(64, 48, QImage::Format_RGB32).save(QString::fromStdString(path), "BMP");
    });
    QVERIFY(QDir(h.PatientDir()).removeRecursively());
    h.Drive().messages.clear();
    h.Button(IdFreeze)->click();
    h.Button(IdFreeze)->click();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(h.Drive().messages[0].startsWith("Oral image acquisition system|Fail to Save！\n"),
             qPrintable(h.Drive().messages[0]));
    QCOMPARE(h.PictureCount(), 0);
    QCOMPARE(d.liveState(), LiveState::Live);
}

void CaptureTest::frozenFrameOutlivesADropOfTheCameraLink() {
    PictureHarness h;
    FakeStreamCamera camera;
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalCommandPort());
        camera.SetHeartbeats(true);
    });
    QVERIFY(h.Start(camera.Port()));
    CkavimoDlg& d = h.Dialog();
    int second = 0;
    d.SetClock([&second] { return LocalTime(2026, 12, 8, 10, 0, second++); });
    d.SetSnapshotWriter([](const std::string& path) {
        QImage frame(320, 240, QImage::Format_RGB888);
        frame.fill(kRed);
        return frame.save(QString::fromStdString(path), "BMP");
    });

    // Frozen, then the heartbeats stop: the frame stays, and "Save Pic" stores it.
    h.Button(IdFreeze)->click();
    camera.SetHeartbeats(false);
    QTRY_VERIFY_WITH_TIMEOUT(!d.Live().MediaReady(), 10000);
    QCOMPARE(d.liveState(), LiveState::Frozen);
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Save Pic"));
    QVERIFY(h.Button(IdFreeze)->isEnabled());
    QVERIFY(!h.Button(IdSample)->isEnabled());
    QVERIFY(Near(QColor(h.Pane(IdPane1)->Canvas().pixel(100, 100)), kRed));
    h.Button(IdFreeze)->click();
    QCOMPARE(h.PictureFiles(), QStringList({"20261208100000.jpg"}));
    QCOMPARE(h.PictureCount(), 1);
    QVERIFY(Near(CentreColour(h.PatientDir() + "/20261208100000.jpg"), kRed));
    QCOMPARE(d.liveState(), LiveState::Idle);
    QVERIFY(!h.Button(IdFreeze)->isEnabled());
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Freeze"));
    QVERIFY(h.Button(IdUser)->isEnabled());
    QVERIFY(h.Pane(IdPane1)->Canvas().isNull());

    // The camera comes back (live again), a frame is frozen, the link drops and returns before
    // "Save Pic": still frozen; stored, then live.
    camera.SetHeartbeats(true);
    QTRY_VERIFY_WITH_TIMEOUT(d.liveState() == LiveState::Live, 10000);
    h.Button(IdFreeze)->click();
    camera.SetHeartbeats(false);
    QTRY_VERIFY_WITH_TIMEOUT(!d.Live().MediaReady(), 10000);
    camera.SetHeartbeats(true);
    QTRY_VERIFY_WITH_TIMEOUT(d.Live().MediaReady(), 10000);
    QCOMPARE(d.liveState(), LiveState::Frozen);
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Save Pic"));
    h.Button(IdFreeze)->click();
    QCOMPARE(h.PictureCount(), 2);
    QCOMPARE(d.liveState(), LiveState::Live);
    QVERIFY(d.Live().HasReceiver());
    QVERIFY(h.Drive().messages.filter("Fail").isEmpty());
}

void CaptureTest::pictureCameraSnapStoresTheNextPicture() {
    PictureHarness h;
    FakePictureCamera camera;
    const QByteArray preview = Jpeg(kGreen, 320, 240);
    h.BeforeWindow([&] {
        camera.Start(h.Udp().LocalPictureReplyPort());
        camera.SetPreviews(preview, true);
    });
    QVERIFY(h.Start(0, camera.CommandPort(), camera.PicturePort()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.CameraType(), CAMERA_PICTURE);
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Snap"));
    QTRY_VERIFY_WITH_TIMEOUT(camera.Connections() >= 1 && d.JpegCount() > 0, 3000);

    // The picture thread holds the next preview back until the window takes the last one (the
    // window's timer is not running here): the snap must still get its picture.
    for (int waited = 0; !h.Udp().m_bPreviewReady.load() && waited < 2000; waited += 5) platform::SleepMs(5);
    QCOMPARE(h.Udp().m_bPreviewReady.load(), 1);
    platform::SleepMs(100);
    h.Drive().messages.clear();
    h.Button(IdFreeze)->click();
    QCOMPARE(h.PictureFiles().size(), 1);
    QCOMPARE(FileBytes(h.PatientDir() + "/" + h.PictureFiles()[0]), preview);
    QCOMPARE(h.PictureCount(), 1);
    QCOMPARE(d.ThumbList()->count(), 1);
    QCOMPARE(Text(h, IdFreeze), QStringLiteral("Snap"));
    QVERIFY(h.Drive().messages.isEmpty());

    // No picture comes within 2 s: said so, nothing added.
    camera.SetPreviews(preview, false);
    for (int seen = -1; seen != d.JpegCount();) {  // until the previews still on their way are in
        seen = d.JpegCount();
        QTest::qWait(300);
    }
    h.Button(IdFreeze)->click();
    QCOMPARE(h.Drive().messages, QStringList({"Error|Fail to save picture！"}));
    QCOMPARE(h.PictureCount(), 1);
    QCOMPARE(h.PictureFiles().size(), 1);
}

void CaptureTest::picksStayMarkedWhenThePictureCameraAddsAPicture() {
    PictureHarness h;
    h.AddPictures({kRed, kGreen});
    FakePictureCamera camera;
    h.BeforeWindow([&] { camera.Start(h.Udp().LocalPictureReplyPort()); });
    QVERIFY(h.Start(0, camera.CommandPort(), camera.PicturePort()));
    CkavimoDlg& d = h.Dialog();
    QCOMPARE(d.CameraType(), CAMERA_PICTURE);
    h.Button(IdPickup)->click();
    h.ClickThumbnail(0);
    const QColor marked(d.ThumbList()->Thumbnail(0).pixel(4, 0));
    QVERIFY2(marked.red() > marked.green() + 60, qPrintable(marked.name()));

    // A picture taken with the camera's own button comes in through the window's timer, which
    // reloads the list: the pick is still marked where the user sees it.
    camera.SendCaptured(Jpeg(kBlue));
    QTRY_COMPARE_WITH_TIMEOUT(d.ThumbList()->count(), 3, 5000);
    QCOMPARE(h.PictureCount(), 3);
    QCOMPARE(d.Picked().Count(), 1);
    QCOMPARE(d.Picked().At(0), 0);
    QCOMPARE(QColor(d.ThumbList()->Thumbnail(0).pixel(4, 0)), marked);
}

QTEST_MAIN(CaptureTest)
#include "capture_test.moc"
