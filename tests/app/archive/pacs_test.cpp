// The main window and the clinic's archive, against a real Orthanc on 127.0.0.1: stored pictures
// go out by themselves when automatic sending is on, "Send to PACS" sends the patient's pictures
// without making copies, "Export as DICOM…" writes their files, and the status area follows.
#include <QtTest>

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include <set>
#include <string>
#include <vector>

#include "app/archive/pacssender.h"
#include "app/archive/pacssettings.h"
#include "app/settings/appconfig.h"
#include "app/settings/settingsdlg.h"
#include "records/audittrail.h"
#include "tests/app/support/picturetestsupport.h"
#include "tests/dicom/orthanc.h"

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
    void initTestCase();
    void cleanupTestCase();
    void storedPicturesAndTheMenuReachTheArchiveOnce();
    void settingsGroupTestsTheConnectionAndSavesTheArchive();
    void settingsGroupReachesATlsArchiveAndSavesItsFiles();
    void longArchiveReasonFitsItsLineAndShowsWholeAsTooltip();

private:
    std::unique_ptr<dicomtest::OrthancServer> m_server;
};

void PacsTest::initTestCase() {
    m_server = std::make_unique<dicomtest::OrthancServer>();
    std::string error;
    QVERIFY2(m_server->Start(&error), error.c_str());
}

void PacsTest::cleanupTestCase() { m_server.reset(); }

void PacsTest::storedPicturesAndTheMenuReachTheArchiveOnce() {
    dicomtest::OrthancServer& server = *m_server;
    server.Clear();

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

    // The audit trail holds the archive's answer for each picture each time it went out: the two
    // imports, then all four.
    std::vector<records::AuditEvent> events;
    size_t skipped = 0;
    std::string error;
    QVERIFY(records::AuditTrail::ReadFile((h.Drive().workDir() + "/AuditTrail.jsonl").toStdString(), &events, &skipped,
                                          &error));
    std::set<std::string> answered;
    int answers = 0;
    for (const records::AuditEvent& e : events) {
        if (e.event != records::audit::kArchiveAnswer || e.file.empty()) continue;
        ++answers;
        answered.insert(e.file);
        QVERIFY(e.success);
        QVERIFY(e.patient != 0);
        QVERIFY2(e.detail == "stored by " + server.Address().Text(), e.detail.c_str());
    }
    QCOMPARE(answers, 6);
    QCOMPARE(answered.size(), size_t(4));
    QVERIFY2(h.Drive().messages.isEmpty(), qPrintable(h.Drive().messages.join('\n')));

    // "Export as DICOM…" writes one file per picture into the chosen folder's DICOM tree, and the
    // DICOMDIR that lists them.
    QTemporaryDir out;
    d.SetExportChooser([&](QWidget*) { return out.path(); });
    d.OnExportDicom();
    QTRY_COMPARE_WITH_TIMEOUT(h.Drive().messages.size(), 1, 20000);
    QVERIFY2(h.Drive().messages[0].contains("4 DICOM files written"), qPrintable(h.Drive().messages[0]));
    QVERIFY(QFileInfo(out.filePath("DICOMDIR")).isFile());
    int files = 0;
    for (QDirIterator it(out.filePath("DICOM"), QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next()) {
        ++files;
    }
    QCOMPARE(files, 4);

    // Without an archive, sending says so instead of queueing.
    PacsSender none({}, false);
    d.SetPacsSender(&none);
    h.Drive().messages.clear();
    d.OnSendToPacs();
    QCOMPARE(h.Drive().messages.size(), 1);
    QVERIFY2(
        h.Drive().messages[0].contains("No archive (PACS) is set up") && h.Drive().messages[0].contains("Settings..."),
        qPrintable(h.Drive().messages[0]));
    d.SetPacsSender(nullptr);
}

void PacsTest::settingsGroupTestsTheConnectionAndSavesTheArchive() {
    QTemporaryDir dir;
    const QString ini = dir.filePath("kavimo.ini");
    CSettingsDlg dialog(ini, {});
    AddPacsSettings(&dialog);
    auto* test = dialog.findChild<QPushButton*>("PacsTest");
    auto* result = dialog.findChild<QLabel*>("PacsTestResult");
    QVERIFY(test && result);
    const dicom::PacsAddress address = m_server->Address();

    // Nothing given yet: the test says what is missing.
    test->click();
    QVERIFY2(result->text().contains("AE title, host and port"), qPrintable(result->text()));

    dialog.Edit("pacs/called_aet")->setText("WRONG_AET");
    dialog.Edit("pacs/host")->setText("127.0.0.1");
    dialog.Edit("pacs/port")->setText(QString::number(address.port));
    test->click();
    QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 20000);
    QVERIFY2(result->text().contains("refused"), qPrintable(result->text()));

    dialog.Edit("pacs/called_aet")->setText(QString::fromStdString(address.calledAet));
    test->click();
    QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 20000);
    QVERIFY2(result->text().endsWith("answers."), qPrintable(result->text()));

    // A bad value is refused next to its field; good ones reach the file and the next start.
    dialog.Edit("pacs/auto_send")->setText("sometimes");
    QVERIFY(!dialog.Validate());
    QVERIFY(!dialog.Problem("pacs/auto_send")->text().isEmpty());
    dialog.Edit("pacs/auto_send")->setText("on");
    QString error;
    QVERIFY2(dialog.Save(&error), qPrintable(error));
    AppConfig config;
    QCOMPARE(ResolveConfig({"kavimo", "--config", ini}, QProcessEnvironment(), ini, &config).status, ConfigResult::Ok);
    QCOMPARE(config.pacs.Text(), address.Text());
    QVERIFY(config.pacsAutoSend);
}

void PacsTest::settingsGroupReachesATlsArchiveAndSavesItsFiles() {
    QTemporaryDir dir;
    dicomtest::TestCa ca(dir.path().toStdString(), "clinic");
    QVERIFY2(ca.Ok() && ca.Issue("archive", "IP:127.0.0.1"), ca.Error().c_str());
    dicomtest::OrthancTls tls;
    tls.certFile = ca.CertFile("archive");
    tls.keyFile = ca.KeyFile("archive");
    tls.trustedFile = ca.File();
    dicomtest::OrthancServer server(tls);
    std::string error;
    QVERIFY2(server.Start(&error), error.c_str());

    const QString ini = dir.filePath("kavimo.ini");
    CSettingsDlg dialog(ini, {});
    AddPacsSettings(&dialog);
    QString chooserTitle;
    dialog.SetFileChooser([&](QWidget*, const QString& title, const QString&) {
        chooserTitle = title;
        return QString::fromStdString(ca.File());
    });
    auto* test = dialog.findChild<QPushButton*>("PacsTest");
    auto* result = dialog.findChild<QLabel*>("PacsTestResult");
    QCheckBox* useTls = dialog.Check("pacs/tls");
    QVERIFY(test && result && useTls && !useTls->isChecked());
    dialog.Edit("pacs/called_aet")->setText(dicomtest::OrthancServer::kAet);
    dialog.Edit("pacs/host")->setText("127.0.0.1");
    dialog.Edit("pacs/port")->setText(QString::number(server.Address().port));

    // The archive speaks only TLS: the box unticked, the check fails.
    test->click();
    QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 20000);
    QVERIFY2(!result->text().endsWith("answers."), qPrintable(result->text()));

    // Ticked, with the CA taken from the chooser, it answers.
    useTls->setChecked(true);
    dialog.findChild<QPushButton*>("pacs/tls_ca#choose")->click();
    QVERIFY2(chooserTitle.contains("CA"), qPrintable(chooserTitle));
    test->click();
    QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 20000);
    QVERIFY2(result->text().endsWith("answers."), qPrintable(result->text()));

    // A file that is not there is refused beside its field.
    dialog.Edit("pacs/tls_cert")->setText(dir.filePath("missing.pem"));
    QVERIFY(!dialog.Validate());
    QVERIFY2(dialog.Problem("pacs/tls_cert")->text().contains("does not exist"),
             qPrintable(dialog.Problem("pacs/tls_cert")->text()));
    dialog.Edit("pacs/tls_cert")->clear();

    // Saved, the next start talks TLS with the chosen CA; the dialog shows it again.
    QString saveError;
    QVERIFY2(dialog.Save(&saveError), qPrintable(saveError));
    AppConfig config;
    QCOMPARE(ResolveConfig({"kavimo", "--config", ini}, QProcessEnvironment(), ini, &config).status, ConfigResult::Ok);
    QVERIFY(config.pacs.tls.enabled);
    QCOMPARE(config.pacs.tls.caFile, ca.File());
    QVERIFY(config.pacs.tls.certFile.empty());
    QVERIFY2(dicom::EchoPacs(config.pacs, &error), error.c_str());
    CSettingsDlg again(ini, {});
    AddPacsSettings(&again);
    QVERIFY(again.Check("pacs/tls")->isChecked());
    again.Check("pacs/tls")->setChecked(false);
    QVERIFY2(again.Save(&saveError), qPrintable(saveError));
    QCOMPARE(ResolveConfig({"kavimo", "--config", ini}, QProcessEnvironment(), ini, &config).status, ConfigResult::Ok);
    QVERIFY(!config.pacs.tls.enabled);
}

void PacsTest::longArchiveReasonFitsItsLineAndShowsWholeAsTooltip() {
    PictureHarness h;
    h.AddPictures({kRed});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    d.resize(1920, 1050);
    dicom::PacsAddress nobody;
    nobody.calledAet = "NOBODY";
    nobody.host = "127.0.0.1";
    nobody.port = dicomtest::FreeLoopbackPort();
    PacsSender sender(nobody, false);
    sender.Start();
    d.SetPacsSender(&sender);
    d.OnSendToPacs();
    QTRY_VERIFY_WITH_TIMEOUT(sender.StatusText().startsWith("PACS not reachable"), 10000);

    // The line is cut to its box, which stays inside the window; the whole reason is its tooltip.
    const QString whole = d.StatusText2();
    QCOMPARE(whole, sender.StatusText());
    const QString shown = d.StatusText2Shown();
    QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() < whole.size(), qPrintable(shown));
    QVERIFY(whole.startsWith(shown.chopped(1)));
    const QRect box = d.Status2Box();
    QVERIFY2(box.right() < d.width(), qPrintable(QStringLiteral("%1 of %2").arg(box.right()).arg(d.width())));
    QHelpEvent help(QEvent::ToolTip, box.center(), d.mapToGlobal(box.center()));
    QApplication::sendEvent(&d, &help);
    QTRY_COMPARE(QToolTip::text(), whole);
    QToolTip::hideText();
    d.SetPacsSender(nullptr);
}

QTEST_MAIN(PacsTest)
#include "pacs_test.moc"
