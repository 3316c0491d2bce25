// The Settings dialog: values are checked with the reason shown beside the field, saved values
// come back through the start-up configuration, and what the command line or the environment
// overrides is marked and still wins.
#include <QtTest>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>

#include "app/archive/pacssettings.h"
#include "app/settings/appconfig.h"
#include "app/settings/settingsdlg.h"

class SettingsDlgTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusesBadValuesWithTheReasonBesideTheField();
    void savedValuesComeBackAndOverridesStillWin();
    void aFolderWithACommaComesBackAsWritten();
    void fitsTheScreenAndReasonsDoNotMoveTheFields();
};

namespace {
void Type(CSettingsDlg& dlg, const char* key, const QString& text) {
    QLineEdit* edit = dlg.Edit(QString::fromLatin1(key));
    QVERIFY2(edit, key);
    edit->setText(text);
}
QString Reason(CSettingsDlg& dlg, const char* key) {
    QLabel* problem = dlg.Problem(QString::fromLatin1(key));
    return problem && !problem->isHidden() ? problem->text() : QString();
}
}  // namespace

void SettingsDlgTest::refusesBadValuesWithTheReasonBesideTheField() {
    QTemporaryDir dir;
    const QString iniPath = dir.filePath(QStringLiteral("kavimo.ini"));
    QFile plainFile(dir.filePath(QStringLiteral("a-file")));
    QVERIFY(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();

    CSettingsDlg dlg(iniPath, {});
    dlg.show();
    Type(dlg, "stream_camera/address", QStringLiteral("127.0.0.300"));
    Type(dlg, "stream_camera/command_port", QStringLiteral("0"));
    Type(dlg, "stream_camera/local_port", QStringLiteral("0"));  // a local port may be "any"
    Type(dlg, "picture_camera/picture_port", QStringLiteral("65536"));
    Type(dlg, "network/bind_address", QStringLiteral("localhost"));
    Type(dlg, "paths/drive_d", dir.filePath(QStringLiteral("missing")));
    QVERIFY(!dlg.Validate());
    QVERIFY(Reason(dlg, "stream_camera/address").contains(QStringLiteral("IPv4")));
    QVERIFY(Reason(dlg, "stream_camera/command_port").contains(QStringLiteral("1 to 65535")));
    QVERIFY(Reason(dlg, "stream_camera/local_port").isEmpty());
    QVERIFY(Reason(dlg, "picture_camera/picture_port").contains(QStringLiteral("1 to 65535")));
    QVERIFY(Reason(dlg, "network/bind_address").contains(QStringLiteral("IPv4")));
    QVERIFY(Reason(dlg, "paths/drive_d").contains(QStringLiteral("does not exist")));
    Type(dlg, "paths/drive_d", plainFile.fileName());
    QVERIFY(Reason(dlg, "paths/drive_d").contains(QStringLiteral("not a folder")));

    // Refused values keep the dialog open and the file unwritten.
    dlg.accept();
    QVERIFY(dlg.isVisible());
    QVERIFY(!QFile::exists(iniPath));

    Type(dlg, "stream_camera/address", QStringLiteral("127.0.0.3"));
    Type(dlg, "stream_camera/command_port", QStringLiteral("7778"));
    Type(dlg, "picture_camera/picture_port", QStringLiteral("65535"));
    Type(dlg, "network/bind_address", QStringLiteral("0.0.0.0"));
    Type(dlg, "paths/drive_d", dir.path());
    QVERIFY(Reason(dlg, "stream_camera/address").isEmpty());
    QVERIFY(Reason(dlg, "paths/drive_d").isEmpty());
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(QFile::exists(iniPath));
}

void SettingsDlgTest::savedValuesComeBackAndOverridesStillWin() {
    QTemporaryDir dir;
    const QString iniPath = dir.filePath(QStringLiteral("config/kavimo/kavimo.ini"));
    QDir().mkpath(QFileInfo(iniPath).path());
    {
        QSettings ini(iniPath, QSettings::IniFormat);
        ini.setValue(QStringLiteral("stream_camera/video_port"), QStringLiteral("9000"));
        // The cameras are on loopback here: kavimo's own command port must not be the camera's.
        ini.setValue(QStringLiteral("stream_camera/local_port"), QStringLiteral("0"));
        ini.setValue(QStringLiteral("other_subject/key"), QStringLiteral("kept"));
    }
    QProcessEnvironment env;
    env.insert(QStringLiteral("KAVIMO_VIDEO_PORT"), QStringLiteral("9100"));
    const QStringList args = {QStringLiteral("kavimo"), QStringLiteral("--stream-camera"), QStringLiteral("127.0.0.5")};
    AppConfig before;
    QCOMPARE(ResolveConfig(args, env, iniPath, &before).status, ConfigResult::Ok);
    QCOMPARE(before.iniPath, iniPath);

    CSettingsDlg dlg(before.iniPath, before.overrides);
    // The file's value is shown; the override is named beside the fields it overrides, and only there.
    QCOMPARE(dlg.Edit(QStringLiteral("stream_camera/video_port"))->text(), QStringLiteral("9000"));
    QVERIFY(dlg.OverrideNote(QStringLiteral("stream_camera/video_port")));
    QVERIFY(dlg.OverrideNote(QStringLiteral("stream_camera/video_port"))
                ->text()
                .contains(QStringLiteral("KAVIMO_VIDEO_PORT")));
    QVERIFY(
        dlg.OverrideNote(QStringLiteral("stream_camera/address"))->text().contains(QStringLiteral("--stream-camera")));
    QVERIFY(!dlg.OverrideNote(QStringLiteral("picture_camera/address")));
    QVERIFY(!dlg.OverrideNote(QStringLiteral("paths/drive_d")));

    Type(dlg, "paths/drive_d", dir.path());
    Type(dlg, "stream_camera/address", QStringLiteral("127.0.0.9"));
    Type(dlg, "stream_camera/video_port", QStringLiteral("9001"));
    Type(dlg, "picture_camera/address", QStringLiteral("127.0.0.7"));
    Type(dlg, "picture_camera/reply_port", QStringLiteral("5001"));
    Type(dlg, "network/bind_address", QStringLiteral("127.0.0.2"));
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));

    // Read back as the next start reads it: the file's values, except where the command line
    // and the environment still win.
    AppConfig after;
    QCOMPARE(ResolveConfig(args, env, iniPath, &after).status, ConfigResult::Ok);
    QCOMPARE(after.driveD, dir.path());
    QCOMPARE(after.camera.streamCameraIp, std::string("127.0.0.5"));
    QCOMPARE(after.camera.videoPort, uint16_t(9100));
    QCOMPARE(after.camera.pictureCameraIp, std::string("127.0.0.7"));
    QCOMPARE(after.camera.pictureLocalPort, uint16_t(5001));
    QCOMPARE(after.camera.localBindIp, std::string("127.0.0.2"));
    AppConfig fileOnly;
    QCOMPARE(ResolveConfig({QStringLiteral("kavimo")}, {}, iniPath, &fileOnly).status, ConfigResult::Ok);
    QCOMPARE(fileOnly.camera.streamCameraIp, std::string("127.0.0.9"));
    QCOMPARE(fileOnly.camera.videoPort, uint16_t(9001));
    QVERIFY(fileOnly.overrides.isEmpty());

    // Emptying a field goes back to the default; keys of other subjects stay.
    CSettingsDlg again(iniPath, {});
    QCOMPARE(again.Edit(QStringLiteral("stream_camera/address"))->text(), QStringLiteral("127.0.0.9"));
    Type(again, "stream_camera/address", QString());
    QString error;
    QVERIFY2(again.Save(&error), qPrintable(error));
    QSettings ini(iniPath, QSettings::IniFormat);
    QVERIFY(!ini.contains(QStringLiteral("stream_camera/address")));
    QCOMPARE(ini.value(QStringLiteral("other_subject/key")).toString(), QStringLiteral("kept"));

    // --demo stands for every camera setting.
    AppConfig demo;
    QCOMPARE(ResolveConfig({QStringLiteral("kavimo"), QStringLiteral("--demo")}, {}, iniPath, &demo).status,
             ConfigResult::Ok);
    QCOMPARE(demo.overrides.value(QStringLiteral("picture_camera/picture_port")), QStringLiteral("--demo"));
    QVERIFY(!demo.overrides.contains(QStringLiteral("paths/drive_d")));
}

void SettingsDlgTest::aFolderWithACommaComesBackAsWritten() {
    QTemporaryDir dir;
    const QString byHand = dir.filePath(QStringLiteral("Praxis Dr. A, B"));
    const QString chosen = dir.filePath(QStringLiteral("Praxis Dr. C,D"));
    QVERIFY(QDir().mkpath(byHand) && QDir().mkpath(chosen));
    const QString iniPath = dir.filePath(QStringLiteral("kavimo.ini"));
    {
        QFile file(iniPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[paths]\ndrive_d=%1\n").arg(byHand).toUtf8());
    }

    // The dialog shows the hand-written folder as written, and OK keeps it.
    CSettingsDlg dlg(iniPath, {});
    QCOMPARE(dlg.Edit(QStringLiteral("paths/drive_d"))->text(), byHand);
    dlg.accept();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    AppConfig config;
    QCOMPARE(ResolveConfig({QStringLiteral("kavimo")}, {}, iniPath, &config).status, ConfigResult::Ok);
    QCOMPARE(config.driveD, byHand);

    // A folder chosen in the dialog is saved so that the next start reads it back the same.
    CSettingsDlg again(iniPath, {});
    Type(again, "paths/drive_d", chosen);
    again.accept();
    QCOMPARE(again.result(), int(QDialog::Accepted));
    QCOMPARE(ResolveConfig({QStringLiteral("kavimo")}, {}, iniPath, &config).status, ConfigResult::Ok);
    QCOMPARE(config.driveD, chosen);
    QCOMPARE(CSettingsDlg(iniPath, {}).Edit(QStringLiteral("paths/drive_d"))->text(), chosen);
}

void SettingsDlgTest::fitsTheScreenAndReasonsDoNotMoveTheFields() {
    QTemporaryDir dir;
    CSettingsDlg dlg(dir.filePath(QStringLiteral("kavimo.ini")), {});
    AddPacsSettings(&dlg);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QRect screen = dlg.screen()->availableGeometry();
    QVERIFY2(dlg.height() <= screen.height(), qPrintable(QString::number(dlg.height())));
    auto* save = dlg.findChild<QDialogButtonBox*>(QStringLiteral("Buttons"))->button(QDialogButtonBox::Save);
    QVERIFY(save->isVisible());
    QVERIFY(dlg.rect().contains(QRect(save->mapTo(&dlg, QPoint(0, 0)), save->size())));
    // The last field is reached by scrolling.
    QLineEdit* last = dlg.Edit(QStringLiteral("pacs/tls_key"));
    QVERIFY(last);
    auto* scroll = dlg.findChild<QScrollArea*>(QStringLiteral("SettingsScroll"));
    scroll->ensureWidgetVisible(last);
    QVERIFY(scroll->viewport()->rect().contains(last->mapTo(scroll->viewport(), QPoint(1, 1))));

    // A reason showing up under a field leaves the fields below where they were.
    QLineEdit* below = dlg.Edit(QStringLiteral("stream_camera/local_port"));
    const QPoint before = below->mapTo(&dlg, QPoint(0, 0));
    Type(dlg, "stream_camera/command_port", QStringLiteral("0"));
    QVERIFY(!Reason(dlg, "stream_camera/command_port").isEmpty());
    QApplication::processEvents();
    QCOMPARE(below->mapTo(&dlg, QPoint(0, 0)), before);
}

QTEST_MAIN(SettingsDlgTest)
#include "settingsdlg_test.moc"
