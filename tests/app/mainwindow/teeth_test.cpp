// The teeth and views in the main window: the chart for the shown picture (confirmed by the
// camera's capture key too), the teeth on the thumbnails, Save As keeping them, the filter of the
// thumbnail list, and the pair Compare shows.
#include <QtTest>

#include <QComboBox>
#include <QPushButton>

#include "app/pictures/listimagectrl.h"
#include "app/pictures/toothchartdlg.h"
#include "records/toothtags.h"
#include "tests/app/support/fakecameras.h"
#include "tests/app/support/picturetestsupport.h"

using namespace MainCtl;

class TeethTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chartTagsTheShownPictureAndTheListFollows();
};

void TeethTest::chartTagsTheShownPictureAndTheListFollows() {
    PictureHarness h;
    h.AddPictures({QColor(0, 160, 0), QColor(0, 0, 200), QColor(220, 220, 0)});
    QVERIFY(h.Start());
    CkavimoDlg& d = h.Dialog();
    const QString dir = h.PatientDir();
    const QStringList names = {h.Pictures()[0], h.Pictures()[1], h.Pictures()[2]};
    QVERIFY(d.Review().PanePath(0).endsWith(names[2]));  // the newest is shown

    // The capture key answers the chart: the teeth chosen are stored for the picture shown.
    d.SetChartRunner([&d](CToothChartDlg& chart) {
        chart.ToothButton(11)->click();
        chart.ToothButton(21)->click();
        chart.findChild<QComboBox*>(QStringLiteral("ChartView"))->setCurrentIndex(1);  // frontal
        QCoreApplication::postEvent(&d, new CameraKeyEvent(0x52));                     // "next" waits for the chart
        QCoreApplication::postEvent(&d, new CameraKeyEvent(0x55));
        return chart.exec();
    });
    const QString shownBefore = d.Review().PanePath(0);
    d.OnTagPictures();
    QCOMPARE(d.Review().PanePath(0), shownBefore);
    const records::ToothTags tags = records::ToothTags::Load(dir.toStdString());
    QCOMPARE(tags.TagsOf(names[2].toStdString()), (records::PictureTags{{11, 21}, records::View::Frontal}));
    QCOMPARE(d.ThumbList()->ToothLabels().value(names[2]), QStringLiteral("11 21"));

    // An earlier picture of tooth 21 pairs with the one shown; the one between has no teeth.
    std::string error;
    QVERIFY(records::SetPictureTags(dir.toStdString(), names[0].toStdString(), {{21}, records::View::None}, &error));
    QString earlier, later, why;
    QVERIFY(d.ComparePair(&earlier, &later, &why));
    QVERIFY(earlier.endsWith(names[0]));
    QVERIFY(later.endsWith(names[2]));

    // The filter shows the pictures of tooth 21 only.
    CListImageCtrl* list = d.ThumbList();
    QVERIFY(d.SetPictureFilter(QStringLiteral("21")));
    QVERIFY(list->IsFileShown(0));
    QVERIFY(!list->IsFileShown(1));
    QVERIFY(list->IsFileShown(2));

    // Save As: the new picture shows the same teeth, and the filter holds through the list's
    // refresh.
    d.SetClock([] { return LocalTime(2026, 12, 8, 10, 0, 0); });
    h.Stroke({{100, 100}, {300, 100}});
    h.Button(IdSaveAs)->click();
    QCOMPARE(records::ToothTags::Load(dir.toStdString()).TagsOf("20261208100000.jpg").teethFdi,
             (std::vector<int>{11, 21}));
    QCOMPARE(list->fileNames.size(), 4);
    QVERIFY(!list->IsFileShown(1));
    QVERIFY(list->IsFileShown(3));
    QVERIFY(!d.SetPictureFilter(QStringLiteral("19")));
    QVERIFY(d.SetPictureFilter(QString()));
    QVERIFY(list->IsFileShown(1));
}

QTEST_MAIN(TeethTest)
#include "teeth_test.moc"
