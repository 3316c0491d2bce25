// The main window's layout rules, checked at the screen sizes where they change.
#include <QtTest>

#include "app/mainwindow/controlids.h"
#include "app/mainwindow/mainlayout.h"

using namespace MainCtl;

class MainLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ratioOf1500IsNarrowAnd1501IsWide();
    void narrowLayoutAt1280x980();
    void wideLayoutAt1920x1050();
    void smallWidthsKeepUnitAt40();
    void quadrantsSplitThePictureArea();
    void controlsStayInsideTheirAreas_data();
    void controlsStayInsideTheirAreas();
};

void MainLayoutTest::ratioOf1500IsNarrowAnd1501IsWide() {
    QVERIFY(!ComputeMainLayout(1500, 1000).wide);
    QVERIFY(ComputeMainLayout(1501, 1000).wide);
    QVERIFY(!ComputeMainLayout(3000, 2000).wide);
    QVERIFY(ComputeMainLayout(3002, 2000).wide);
}

void MainLayoutTest::narrowLayoutAt1280x980() {
    const MainLayout l = ComputeMainLayout(1280, 980);
    QVERIFY(!l.wide);
    QCOMPARE(l.unit, 47);
    QCOMPARE(l.pictureArea, QRect(5, 10, 841, 620));
    QCOMPARE(l.strip, QRect(5, 635, 841, 335));
    QCOMPARE(l.tools, QRect(851, 10, 89, 960));
    QCOMPARE(l.panel, QRect(945, 10, 330, 960));
    QCOMPARE(l.patientText, QRect(945, 10, 330, 90));
    QCOMPARE(l.thumbSize, 305);

    // Strip: e = 841 / 15 = 56, the buttons are 1.5e = 84 wide at both ends.
    QCOMPARE(l.control(IdPrev), QRect(5, 635, 84, 335));
    QCOMPARE(l.control(IdNext), QRect(757, 635, 84, 335));
    QCOMPARE(l.control(IdThumbList), QRect(89, 635, 671, 335));

    // Tools: e = 78, the same step between the buttons of a group on a narrow screen.
    QCOMPARE(l.control(IdThick), QRect(851, 10, 89, 78));
    QCOMPARE(l.control(IdMedium), QRect(851, 88, 89, 78));
    QCOMPARE(l.control(IdThin), QRect(851, 166, 89, 78));
    QCOMPARE(l.control(IdRed), QRect(851, 254, 89, 78));
    QCOMPARE(l.control(IdGreen), QRect(851, 332, 89, 78));
    QCOMPARE(l.control(IdBlue), QRect(851, 410, 89, 78));
    QCOMPARE(l.control(IdSave), QRect(851, 580, 89, 78));
    QCOMPARE(l.control(IdDelete), QRect(851, 892, 89, 78));

    // Panel: e = 24.
    QCOMPARE(l.control(IdNum), QRect(945, 10, 330, 18));
    QCOMPARE(l.control(IdPhone), QRect(945, 82, 330, 18));
    QCOMPARE(l.control(IdDiseaseCaption), QRect(945, 110, 330, 18));
    QCOMPARE(l.control(IdDisease), QRect(945, 130, 330, 270));
    QCOMPARE(l.control(IdDiseaseCount), QRect(945, 400, 330, 18));
    QCOMPARE(l.control(IdSaveDisease), QRect(945, 418, 330, 48));
    QCOMPARE(l.statusImage, QRect(1055, 521, 110, 97));
    QCOMPARE(l.status, QPoint(1005, 618));
    QCOMPARE(l.status2, QPoint(1060, 652));
    QCOMPARE(l.control(IdStatusLine), QRect(1005, 618, 0, 0));
    QCOMPARE(l.control(IdImport), QRect(945, 792, 110, 48));
    QCOMPARE(l.control(IdExport), QRect(945, 840, 110, 48));
    QCOMPARE(l.control(IdPickup), QRect(1055, 792, 110, 48));
    QCOMPARE(l.control(IdPrint), QRect(1055, 840, 110, 48));
    QCOMPARE(l.control(IdUser), QRect(1165, 792, 110, 96));
    QCOMPARE(l.control(IdSample), QRect(945, 898, 110, 72));
    QCOMPARE(l.control(IdFreeze), QRect(1055, 898, 110, 72));
    QCOMPARE(l.control(IdExit), QRect(1165, 898, 110, 72));
    for (int pane : {IdPane1, IdPane2, IdPane3}) QCOMPARE(l.control(pane), l.pictureArea);
}

void MainLayoutTest::wideLayoutAt1920x1050() {
    const MainLayout l = ComputeMainLayout(1920, 1050);
    QVERIFY(l.wide);
    QCOMPARE(l.unit, 61);
    QCOMPARE(l.strip, QRect(5, 10, 234, 1030));
    QCOMPARE(l.pictureArea, QRect(244, 10, 1220, 915));
    QCOMPARE(l.tools, QRect(1469, 10, 86, 1030));
    QCOMPARE(l.panel, QRect(1560, 10, 355, 1030));
    QCOMPARE(l.thumbSize, 164);

    // Strip: e = 1030 / 20 = 51; "Next" sits at the strip's height less e.
    QCOMPARE(l.control(IdPrev), QRect(5, 10, 234, 51));
    QCOMPARE(l.control(IdNext), QRect(5, 979, 234, 51));
    QCOMPARE(l.control(IdThumbList), QRect(5, 61, 234, 920));

    // Tools: e = (1030 - 20) / 12 = 84, step e + 2 on a wide screen.
    QCOMPARE(l.control(IdThick), QRect(1469, 10, 86, 84));
    QCOMPARE(l.control(IdMedium), QRect(1469, 96, 86, 84));
    QCOMPARE(l.control(IdThin), QRect(1469, 182, 86, 84));
    QCOMPARE(l.control(IdRed), QRect(1469, 276, 86, 84));
    QCOMPARE(l.control(IdGreen), QRect(1469, 362, 86, 84));
    QCOMPARE(l.control(IdBlue), QRect(1469, 448, 86, 84));
    QCOMPARE(l.control(IdSave), QRect(1469, 620, 86, 84));
    QCOMPARE(l.control(IdSplit), QRect(1469, 872, 86, 84));

    // Panel: e = 1030 / 40 = 25, w3 = 118.
    QCOMPARE(l.control(IdDisease), QRect(1560, 130, 355, 282));
    QCOMPARE(l.control(IdDiseaseCount), QRect(1560, 412, 355, 18));
    QCOMPARE(l.control(IdSaveDisease), QRect(1560, 430, 355, 50));
    QCOMPARE(l.statusImage, QRect(1682, 537, 110, 97));
    QCOMPARE(l.control(IdUser), QRect(1796, 855, 118, 100));
    QCOMPARE(l.control(IdExit), QRect(1796, 965, 118, 75));
}

void MainLayoutTest::smallWidthsKeepUnitAt40() {
    QCOMPARE(ComputeMainLayout(1079, 900).unit, 40);  // narrow: 1079 / 27 = 39
    QCOMPARE(ComputeMainLayout(800, 600).unit, 40);
    QCOMPARE(ComputeMainLayout(1134, 900).unit, 42);  // narrow: 1134 / 27 = 42
    QCOMPARE(ComputeMainLayout(1239, 700).unit, 40);  // wide: 1239 / 31 = 39
    QCOMPARE(ComputeMainLayout(1302, 700).unit, 42);  // wide: 1302 / 31 = 42
    const MainLayout small = ComputeMainLayout(800, 600);
    QCOMPARE(small.pictureArea, QRect(5, 10, 715, 526));  // 18u = 720, bottom (720 - 5) * 3 / 4 = 536
}

void MainLayoutTest::quadrantsSplitThePictureArea() {
    const MainLayout l = ComputeMainLayout(1920, 1050);
    QCOMPARE(l.quad[0], QRect(0, 0, 610, 457));
    QCOMPARE(l.quad[1], QRect(610, 0, 610, 457));
    QCOMPARE(l.quad[2], QRect(0, 457, 610, 458));
    QCOMPARE(l.quad[3], QRect(610, 457, 610, 458));
}

void MainLayoutTest::controlsStayInsideTheirAreas_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("1024x768") << 1024 << 768;
    QTest::newRow("1280x1024") << 1280 << 1024;
    QTest::newRow("1366x768") << 1366 << 768;
    QTest::newRow("1920x1080") << 1920 << 1080;
    QTest::newRow("2560x1440") << 2560 << 1440;
}

void MainLayoutTest::controlsStayInsideTheirAreas() {
    QFETCH(int, width);
    QFETCH(int, height);
    const MainLayout l = ComputeMainLayout(width, height);
    const QRect client(0, 0, width, height);
    QVERIFY(client.contains(l.pictureArea));
    QVERIFY(client.contains(l.panel));
    QVERIFY(!l.pictureArea.intersects(l.tools));
    QVERIFY(!l.tools.intersects(l.panel));
    QVERIFY(!l.pictureArea.intersects(l.strip));
    for (int id : {IdThick, IdMedium, IdThin, IdRed, IdGreen, IdBlue, IdSave, IdSaveAs, IdUndo, IdSplit, IdDelete})
        QVERIFY2(l.tools.contains(l.control(id)), qPrintable(QString::number(id)));
    for (int id :
         {IdNum, IdDisease, IdDiseaseCount, IdSaveDisease, IdImport, IdPrint, IdUser, IdSample, IdFreeze, IdExit})
        QVERIFY2(l.panel.contains(l.control(id)), qPrintable(QString::number(id)));
    // The diagnosis block ends above the connection picture, which ends above the commands.
    QVERIFY(BottomEdge(l.control(IdSaveDisease)) <= l.statusImage.y());
    QVERIFY(l.status2.y() + kStatus2Height <= l.control(IdImport).y());
    // The patient's name and UID sit between the two, two lines of large type where the screen
    // is tall enough.
    // Where the panel has no room for them, a wide screen shows them under the picture area.
    const QRect banner = l.control(IdPatientBanner);
    if (l.panel.contains(banner)) {
        QVERIFY(l.status2.y() + kStatus2Height <= banner.y());
        QVERIFY(BottomEdge(banner) <= l.control(IdImport).y());
    } else {
        QVERIFY(client.contains(banner));
        QVERIFY(!banner.intersects(l.pictureArea) && !banner.intersects(l.strip) && !banner.intersects(l.tools));
    }
    if (l.wide || height >= 900)
        QVERIFY2(banner.height() >= (l.panel.contains(banner) ? 90 : 45), qPrintable(QString::number(banner.height())));
}

QTEST_GUILESS_MAIN(MainLayoutTest)
#include "mainlayout_test.moc"
