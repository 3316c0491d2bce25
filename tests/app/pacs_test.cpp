// The main window and the clinic's archive, against a real Orthanc on 127.0.0.1: stored pictures
// go out by themselves when automatic sending is on, "Send to PACS" sends the patient's pictures
// without making copies, "Export as DICOM…" writes their files, and the status area follows.
#include <QtTest>

#include "../dicom/orthanc.h"
#include "app/pacssender.h"
#include "picturetestsupport.h"

using namespace MainCtl;

namespace {
const QColor kRed(220, 0, 0);
const QColor kGreen(0, 170, 0);
const QColor kBlue(0, 0, 210);
const QColor kYellow(220, 220, 0);
}  // namespace

class PacsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storedPicturesAndTheMenuReachTheArchiveOnce();
};

void PacsTest::storedPicturesAndTheMenuReachTheArchiveOnce() {
    dicomtest::OrthancServer server;
    std::string error;
    QVERIFY2(server.Start(&error), error.c_str());

    PictureHarness h;
    h.AddPictures({kRed, kGreen});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    h.Drive().messages.clear();
    PacsSender sender(server.Address(), true);
    sender.Start();
    d.SetPacsSender(&sender);
    QStringList statuses;
    connect(&sender, &PacsSender::statusChanged, [&] { statuses << sender.StatusText(); });

    // Imported pictures are queued as they are stored and reach the archive.
    QTemporaryDir source;
    QVERIFY(WriteJpeg(source.filePath("a.jpg"), 320, 240, kBlue));
    QVERIFY(WriteJpeg(source.filePath("b.jpg"), 320, 240, kYellow));
    d.SetImportChooser([&](QWidget*) { return QStringList({source.filePath("a.jpg"), source.filePath("b.jpg")}); });
    h.Button(IdImport)->click();
    QTRY_COMPARE_WITH_TIMEOUT(server.Instances().size(), size_t(2), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(sender.StatusText().startsWith("Sent "), 10000);
    QVERIFY2(statuses.filter("to the PACS").size() >= 1, qPrintable(statuses.join('\n')));

    // "Send to PACS" with nothing picked: all four of the patient's pictures, the imported ones
    // not twice.
    d.OnSendToPacs();
    QTRY_COMPARE_WITH_TIMEOUT(server.Instances().size(), size_t(4), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(sender.StatusText(), QStringLiteral("Sent 4 of 4 to the PACS"), 10000);
    QTest::qWait(300);
    QCOMPARE(server.Instances().size(), size_t(4));
    QVERIFY2(h.Drive().messages.isEmpty(), qPrintable(h.Drive().messages.join('\n')));

    // "Export as DICOM…" writes one file per picture into the chosen folder.
    QTemporaryDir out;
    d.SetExportChooser([&](QWidget*) { return out.path(); });
    d.OnExportDicom();
    QTRY_COMPARE_WITH_TIMEOUT(QDir(out.path()).entryList({"*.dcm"}, QDir::Files).size(), 4, 20000);
    QTRY_COMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(h.Drive().messages[0].contains("4 DICOM files written"), qPrintable(h.Drive().messages[0]));

    // Without an archive, sending says so instead of queueing.
    PacsSender none({}, false);
    d.SetPacsSender(&none);
    h.Drive().messages.clear();
    d.OnSendToPacs();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(h.Drive().messages[0].contains("No PACS is set"), qPrintable(h.Drive().messages[0]));
    d.SetPacsSender(nullptr);
}

QTEST_MAIN(PacsTest)
#include "pacs_test.moc"
