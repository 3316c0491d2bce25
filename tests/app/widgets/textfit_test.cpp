// Every text of the windows has the room to be read whole, in each language the program ships and
// in its own texts: the main window, the patient dialog, the settings and the printed report. A
// language read right to left mirrors the main window.
#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTableWidget>
#include <QTextDocument>

#include <memory>

#include "app/archive/pacssettings.h"
#include "app/mainwindow/kavimodlg.h"
#include "app/patients/userlist.h"
#include "app/pictures/thumbnail.h"
#include "app/print/reportpage.h"
#include "app/settings/settingsdlg.h"
#include "app/settings/teethsettings.h"
#include "app/widgets/dialogunits.h"
#include "app/widgets/facebutton.h"
#include "app/widgets/translation.h"
#include "platform/net.h"
#include "tests/app/support/apptestsupport.h"
#include "tests/app/support/picturetestsupport.h"

using namespace MainCtl;

namespace {

QString Describe(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

QString Cut(const QWidget* w, const QString& text, int needs, int has, const char* what = "wide") {
    return QStringLiteral("%1 \"%2\": %3 px %4, room %5")
        .arg(Describe(w), text)
        .arg(needs)
        .arg(QLatin1String(what))
        .arg(has);
}

// The width of a text as a single-line control shows it: each line of it, '&' marking a key.
int TextWidth(const QFontMetrics& fm, const QString& text) { return fm.size(Qt::TextShowMnemonic, text).width(); }

void CheckFaceButton(const CFaceButton* b, QStringList* cut) {
    if (b->text().isEmpty()) return;
    const QRect room = b->TextRect();
    const QRect needs = QFontMetrics(b->TextFont()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, b->text());
    if (needs.width() > room.width()) cut->append(Cut(b, b->text(), needs.width(), room.width()));
    if (needs.height() > room.height()) cut->append(Cut(b, b->text(), needs.height(), room.height(), "high"));
}

void CheckButton(const QAbstractButton* b, QStringList* cut) {
    if (b->text().isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int mark = 0;
    if (qobject_cast<const QCheckBox*>(b)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(b)) {
        contents = QStyle::SE_RadioButtonContents;
    } else if (!b->icon().isNull()) {
        mark = b->iconSize().width() + 4;
    }
    const QRect room = b->style()->subElementRect(contents, &option, b);
    const int needs = TextWidth(b->fontMetrics(), b->text()) + mark;
    if (needs > room.width()) cut->append(Cut(b, b->text(), needs, room.width()));
}

void CheckLabel(const QLabel* l, QStringList* cut) {
    if (l->text().isEmpty() || !l->pixmap().isNull()) return;
    QString text = l->text();
    if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    const int margin = 2 * l->margin() + std::max(0, l->indent());
    const QRect room = l->contentsRect().adjusted(0, 0, -margin, 0);
    if (l->wordWrap()) {
        const int needs = l->heightForWidth(l->width());
        if (needs > l->height()) cut->append(Cut(l, text, needs, l->height(), "high"));
        return;
    }
    const int needs = TextWidth(l->fontMetrics(), text);
    if (needs > room.width()) cut->append(Cut(l, text, needs, room.width()));
}

void CheckGroupBox(const QGroupBox* box, QStringList* cut) {
    if (box->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // As the style measures the title: by what it covers.
    const int needs = box->fontMetrics().boundingRect(box->title()).width();
    const int room = box->width() - std::max(0, label.x());
    if (needs > room) cut->append(Cut(box, box->title(), needs, room));
}

void CheckTabs(const QTabBar* bar, QStringList* cut) {
    const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        const int needs = TextWidth(bar->fontMetrics(), bar->tabText(i)) + padding;
        if (needs > bar->tabRect(i).width()) cut->append(Cut(bar, bar->tabText(i), needs, bar->tabRect(i).width()));
    }
}

void CheckHeader(const QHeaderView* header, QStringList* cut) {
    if (header->orientation() != Qt::Horizontal || !header->model()) return;
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int indicator =
        header->isSortIndicatorShown() ? header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) : 0;
    for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i)) continue;
        const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
        if (text.isEmpty()) continue;
        const int needs = TextWidth(header->fontMetrics(), text) + margin + indicator;
        if (needs > header->sectionSize(i)) cut->append(Cut(header, text, needs, header->sectionSize(i)));
    }
}

// A box's hint ("YYYYMMDD") tells what to type: it must show whole while the box is empty.
void CheckHint(const QLineEdit* edit, QStringList* cut) {
    if (edit->placeholderText().isEmpty() || !edit->text().isEmpty()) return;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const int needs = TextWidth(edit->fontMetrics(), edit->placeholderText()) + 4;  // the edit's own margins
    if (needs > room.width()) cut->append(Cut(edit, edit->placeholderText(), needs, room.width()));
}

// Every visible text of `window` that its control cannot show whole.
QStringList CutTexts(const QWidget* window) {
    QStringList cut;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->width() <= 0 || w->height() <= 0) continue;
        if (const auto* face = qobject_cast<const CFaceButton*>(w)) {
            CheckFaceButton(face, &cut);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            CheckButton(button, &cut);
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            CheckLabel(label, &cut);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            CheckGroupBox(box, &cut);
        } else if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
            CheckTabs(bar, &cut);
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
            CheckHeader(header, &cut);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            CheckHint(edit, &cut);
        }
    }
    return cut;
}

// The report's texts that go past the room its layout gives them, on a page of A4 at 300 dpi.
QStringList CutReportTexts() {
    QImage device(2480, 3508, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(300 / 0.0254));
    device.setDotsPerMeterY(qRound(300 / 0.0254));
    QPainter dc(&device);
    CReportPage page;
    page.Begin(dc);
    ReportContent content;
    content.name = QStringLiteral("Zhang Wei");
    content.sexWord = QStringLiteral("unknown");
    content.age = 42;
    content.phone = QStringLiteral("0171 5550123");
    content.birthDate = QStringLiteral("1981-02-03");
    content.patientId = QStringLiteral("20240305");
    content.doctor = QStringLiteral("Dr. Ahmadi");
    content.hospital = QStringLiteral("Dental clinic");
    content.time = QDateTime(QDate(2024, 12, 30), QTime(23, 59));
    // A description longer than a page gives every page's frame.
    content.description = QStringLiteral("Deep caries on tooth 36.\n").repeated(60);
    content.picturePaths = QStringList(4, QStringLiteral("d:\\none.jpg"));
    const ReportLayout layout = page.Layout(dc, content);
    QStringList cut;
    if (layout.pages < 2) cut << QStringLiteral("the report has %1 page, not the two asked for").arg(layout.pages);
    for (const ReportLayout::Text& text : layout.texts) {
        const QFont font =
            text.title ? ReportFont(QStringLiteral("宋体"), 30.0) : ReportFont(QStringLiteral("FixedSys"), 15.0);
        const int width = QFontMetrics(font, &device).horizontalAdvance(text.text);
        const int right = text.room.x() + text.room.width();
        if (text.x < text.room.x() || text.x + width > right) {
            cut << QStringLiteral("report page %1 \"%2\": %3 px wide at %4, room %5 to %6")
                       .arg(text.page)
                       .arg(text.text)
                       .arg(width)
                       .arg(text.x)
                       .arg(text.room.x())
                       .arg(right);
        }
    }
    page.End();
    return cut;
}

}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();
    void rightToLeftMirrorsTheMainWindow();

private:
    std::unique_ptr<CkavimoDlg> MakeMainWindow();

    std::unique_ptr<TestDrive> m_drive;
    std::unique_ptr<QtRecordNotifier> m_notifier;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<CUdp> m_udp;
    std::unique_ptr<QTemporaryDir> m_cache;
    QuietPort m_silentStream;
    QuietPort m_silentPicture;
};

// The desktop speaks the C locale: an empty language is the program's own texts.
void TextFitTest::initTestCase() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
    qputenv("LANG", "C");
}

void TextFitTest::init() {
    m_drive = std::make_unique<TestDrive>();
    m_cache = std::make_unique<QTemporaryDir>();
    ThumbnailCache::SetDiskDirectory(m_cache->path());
    m_notifier = std::make_unique<QtRecordNotifier>();
    m_store = std::make_unique<RecordStore>(m_notifier.get());
}

void TextFitTest::cleanup() {
    m_udp.reset();
    m_store.reset();
    m_notifier.reset();
    m_drive.reset();
    m_cache.reset();
    InstallTranslation(QString());
}

// The main window with a patient, its cameras on loopback ports where nobody answers.
std::unique_ptr<CkavimoDlg> TextFitTest::MakeMainWindow() {
    CameraLinkConfig config;
    config.streamCameraIp = "127.0.0.1";
    config.streamCameraPort = m_silentStream.Port();
    config.streamLocalPort = 0;
    config.videoPort = 0;
    config.pictureCameraIp = "127.0.0.1";
    config.pictureCameraPort = m_silentPicture.Port();
    config.pictureLocalPort = 0;
    config.pictureTcpPort = 1;
    config.localBindIp = "127.0.0.1";
    config.connectTimeoutMs = 500;
    m_udp = std::make_unique<CUdp>(config);
    m_udp->SetTickCounter(&GlobalTicks());
    m_udp->SetRecordStore(m_store.get());
    m_udp->SetNotifier(m_notifier.get());
    if (m_udp->Init(0) != 1) return nullptr;
    auto window = std::make_unique<CkavimoDlg>(*m_store, *m_udp);
    window->SetUserListRunner([this](CUserList& users) {
        if (m_store->UserCount() == 0)
            m_store->AddUser(MakePatient(20240305090703ull, u"Zhang Wei", 42, 1, 1715550123));
        if (m_store->UserCount() > 0) m_store->SelectUser(0);
        users.accept();
    });
    return window;
}

void TextFitTest::everyTextFitsItsControl_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("C") << QStringLiteral("C");
    for (const QString& language : ShippedLanguages()) QTest::newRow(qPrintable(language)) << language;
}

void TextFitTest::everyTextFitsItsControl() {
    QFETCH(QString, language);
    const bool own = language == QLatin1String("C");
    QCOMPARE(InstallTranslation(own ? QString() : language), own ? QString() : language);
    QStringList cut;
    const auto take = [&cut](const QString& where, const QStringList& found) {
        for (const QString& f : found) cut << where + QStringLiteral(": ") + f;
    };

    auto window = MakeMainWindow();
    QVERIFY(window);
    window->OnInitDialog();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // A wide screen and a narrow one lay the window out differently.
    for (QSize size : {QSize(1920, 1050), QSize(1280, 980)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        take(QStringLiteral("main window %1x%2").arg(size.width()).arg(size.height()), CutTexts(window.get()));
    }
    window->Teardown();
    window.reset();

    {
        m_store->SelectUser(0);
        CUserList patients(*m_store);
        patients.show();
        QVERIFY(QTest::qWaitForWindowExposed(&patients));
        take(QStringLiteral("patient dialog"), CutTexts(&patients));
    }
    {
        CSettingsDlg settings(m_drive->root() + QStringLiteral("/kavimo.ini"),
                              {{QStringLiteral("stream_camera/address"), QStringLiteral("--stream-camera")}});
        AddPacsSettings(&settings);
        AddTeethSettings(&settings);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        take(QStringLiteral("settings"), CutTexts(&settings));
    }
    cut << CutReportTexts();
    QVERIFY2(cut.isEmpty(),
             qPrintable(QStringLiteral("in language %1:\n").arg(language) + cut.join(QLatin1Char('\n'))));
}

// Read right to left, the window is the left-to-right one seen in a mirror: the thumbnail strip,
// the picture area, the tools and the panel swap sides, and the connection lines are painted
// where their boxes went.
void TextFitTest::rightToLeftMirrorsTheMainWindow() {
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    auto window = MakeMainWindow();
    QVERIFY(window);
    window->OnInitDialog();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (QSize size : {QSize(1920, 1050), QSize(1280, 980)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        const int width = size.width();
        const MainLayout ltr = ComputeMainLayout(width, size.height());
        for (const auto& [id, rect] : ltr.controls) {
            if (rect.isEmpty()) continue;  // the anchors of the painted status lines
            const QRect mirrored(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height());
            QCOMPARE(window->Control(id)->geometry(), mirrored);
        }
        QVERIFY(window->Control(IdPane1)->x() > window->Control(IdSave)->x());
        QVERIFY(window->Control(IdUser)->x() < window->Control(IdSave)->x());
        if (ltr.wide) QVERIFY(window->Control(IdThumbList)->x() > window->Control(IdPane1)->x());

        // Nothing leaves the window or lies over another control that it does not cover left to
        // right too (the picture panes are one area; the strip's last button meets the list).
        const auto overLtr = [&ltr](const QWidget* a, const QWidget* b) {
            return ltr.control(a->property("controlId").toInt())
                .intersects(ltr.control(b->property("controlId").toInt()));
        };
        QList<QWidget*> shown;
        for (QWidget* w : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible() || w->geometry().isEmpty()) continue;
            QVERIFY2(window->rect().contains(w->geometry()), qPrintable(w->objectName()));
            for (const QWidget* other : shown) {
                QVERIFY2(overLtr(w, other) || !w->geometry().intersects(other->geometry()),
                         qPrintable(w->objectName() + QStringLiteral(" over ") + other->objectName()));
            }
            shown << w;
        }

        // The red line "disconnected" is painted in its mirrored box, inside the panel.
        const QRect box(window->Layout().status, QSize(kStatusWidth, kStatusHeight));
        QVERIFY(window->Layout().panel.contains(box));
        const QImage painted = window->grab().toImage();
        int red = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) red += QColor(painted.pixel(x, y)) == QColor(255, 0, 0);
        QVERIFY2(red > 50, qPrintable(QString::number(red)));
    }
    window->Teardown();
    window.reset();

    // The patient dialog's hand-placed controls swap sides too: the patient list goes right of
    // the picture list.
    CUserList patients(*m_store);
    const QWidget* users = patients.findChild<QTableWidget*>(QStringLiteral("IdUserList"));
    const QWidget* pictures = patients.findChild<QTableWidget*>(QStringLiteral("IdPictureList"));
    QCOMPARE(users->geometry().right(), patients.width() - 1 - DluX(6));
    QVERIFY(pictures->geometry().right() < users->x());
    QVERIFY(patients.rect().contains(pictures->geometry()));
}

QTEST_MAIN(TextFitTest)
#include "textfit_test.moc"
