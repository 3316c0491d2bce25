#include "app/mainwindow/kavimodlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTextEdit>
#include <QToolTip>

#include <algorithm>

#include "app/archive/pacssender.h"
#include "app/archive/pacssettings.h"
#include "app/mainwindow/workdraft.h"
#include "app/patients/patientdisplay.h"
#include "app/patients/patientmemory.h"
#include "app/patients/userlist.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/picturepane.h"
#include "app/print/printframe.h"
#include "app/settings/appconfig.h"
#include "app/settings/settingsdlg.h"
#include "app/settings/teethsettings.h"
#include "app/widgets/aboutdlg.h"
#include "app/widgets/appresources.h"
#include "app/widgets/facebutton.h"
#include "app/widgets/limitedtextedit.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/patientbanner.h"
#include "app/widgets/textutil.h"
#include "app/widgets/translation.h"
#include "app/widgets/uicolors.h"
#include "app/widgets/uifont.h"
#include "app/widgets/userguide.h"
#include "platform/debug.h"
#include "platform/paths.h"
#include "records/audittrail.h"
#include "records/recordnames.h"
#include "records/textconv.h"

using namespace MainCtl;

namespace {

constexpr int kTimerPeriodMs = 50;
constexpr int kStreamCheckTicks = 38;   // every 39th tick (about 1.95 s)
constexpr int kPictureCheckTicks = 21;  // every 22nd tick (about 1.1 s)
constexpr int kProbeTicks = 39;         // no camera: both kinds are asked every 2 s
constexpr int kDiagnosisUnits = 349;    // what the patient record's description holds

// Line breaks as the text box shows them, whatever the record holds.
QString DisplayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

struct ControlSpec {
    int id;
    const char* name;
    const char* text;
};

// The sixteen face-coloured push buttons.
const ControlSpec kPushButtons[] = {
    {IdPrev, "IdPrev", QT_TRANSLATE_NOOP("kavimo", "Prev")},
    {IdNext, "IdNext", QT_TRANSLATE_NOOP("kavimo", "Next")},
    {IdSave, "IdSave", QT_TRANSLATE_NOOP("kavimo", "Save")},
    {IdSaveAs, "IdSaveAs", QT_TRANSLATE_NOOP("kavimo", "Save As")},
    {IdUndo, "IdUndo", QT_TRANSLATE_NOOP("kavimo", "Undo")},
    {IdSplit, "IdSplit", QT_TRANSLATE_NOOP("kavimo", "Split")},
    {IdDelete, "IdDelete", QT_TRANSLATE_NOOP("kavimo", "Delete")},
    {IdSaveDisease, "IdSaveDisease", QT_TRANSLATE_NOOP("kavimo", "Save")},
    {IdImport, "IdImport", QT_TRANSLATE_NOOP("kavimo", "Import")},
    {IdExport, "IdExport", QT_TRANSLATE_NOOP("kavimo", "Export")},
    {IdPickup, "IdPickup", QT_TRANSLATE_NOOP("kavimo", "Pickup")},
    {IdPrint, "IdPrint", QT_TRANSLATE_NOOP("kavimo", "Print")},
    {IdUser, "IdUser", QT_TRANSLATE_NOOP("kavimo", "User")},
    {IdSample, "IdSample", QT_TRANSLATE_NOOP("kavimo", "Sample")},
    {IdFreeze, "IdFreeze", QT_TRANSLATE_NOOP("kavimo", "Freeze")},
    {IdExit, "IdExit", QT_TRANSLATE_NOOP("kavimo", "Exit")},
};

// What each button does, said in its tooltip, and the key that presses it (none: only a click).
struct KeySpec {
    int id;
    const char* key;  // QKeySequence's portable text
    const char* tip;
};
const KeySpec kButtonKeys[] = {
    {IdUser, "Ctrl+U", QT_TRANSLATE_NOOP("kavimo", "Choose, create or find a patient")},
    {IdSample, "F5", QT_TRANSLATE_NOOP("kavimo", "Start or stop the camera's live picture")},
    {IdFreeze, "Space", QT_TRANSLATE_NOOP("kavimo", "Freeze the live picture; press again (Save Pic) to store it")},
    {IdImport, "Ctrl+I", QT_TRANSLATE_NOOP("kavimo", "Add picture files to this patient")},
    {IdExport, "Ctrl+E", QT_TRANSLATE_NOOP("kavimo", "Copy the picked pictures (or all of them) to a folder")},
    {IdPickup, "Ctrl+K", QT_TRANSLATE_NOOP("kavimo", "Pick up to four pictures for the report and the export")},
    {IdPrint, "Ctrl+P", QT_TRANSLATE_NOOP("kavimo", "Preview, print or save the report as PDF")},
    {IdSave, "Ctrl+S", QT_TRANSLATE_NOOP("kavimo", "Store the drawing on the shown picture")},
    {IdSaveAs, "Ctrl+Shift+S",
     QT_TRANSLATE_NOOP("kavimo", "Store the shown picture with its drawing as a new picture")},
    {IdUndo, "Ctrl+Z", QT_TRANSLATE_NOOP("kavimo", "Take back the last stroke")},
    {IdSplit, "Ctrl+T", QT_TRANSLATE_NOOP("kavimo", "Show four pictures at once, or one again")},
    {IdDelete, "Delete", QT_TRANSLATE_NOOP("kavimo", "Delete the shown picture (it goes to the trash)")},
    {IdSaveDisease, "Ctrl+D", QT_TRANSLATE_NOOP("kavimo", "Store the diagnosis")},
    {IdPrev, "", QT_TRANSLATE_NOOP("kavimo", "Scroll the thumbnails up")},
    {IdNext, "", QT_TRANSLATE_NOOP("kavimo", "Scroll the thumbnails down")},
    {IdExit, "", QT_TRANSLATE_NOOP("kavimo", "Close kavimo (unsaved work is asked about first)")},
};

// The pen width and colour groups, with their bitmaps.
struct ToolSpec {
    int id;
    const char* name;
    const char* text;
    const char* bitmap;
};
const ToolSpec kToolButtons[] = {
    {IdThick, "IdThick", QT_TRANSLATE_NOOP("kavimo", "Thick"), ":/bitmap/166.png"},
    {IdMedium, "IdMedium", QT_TRANSLATE_NOOP("kavimo", "Medium"), ":/bitmap/167.png"},
    {IdThin, "IdThin", QT_TRANSLATE_NOOP("kavimo", "Thin"), ":/bitmap/168.png"},
    {IdRed, "IdRed", QT_TRANSLATE_NOOP("kavimo", "Red"), ":/bitmap/151.png"},
    {IdGreen, "IdGreen", QT_TRANSLATE_NOOP("kavimo", "Green"), ":/bitmap/149.png"},
    {IdBlue, "IdBlue", QT_TRANSLATE_NOOP("kavimo", "Blue"), ":/bitmap/150.png"},
};

const ControlSpec kLabels[] = {
    {IdNum, "IdNum", QT_TRANSLATE_NOOP("kavimo", "Num：")},
    {IdName, "IdName", QT_TRANSLATE_NOOP("kavimo", "Name：")},
    {IdSex, "IdSex", QT_TRANSLATE_NOOP("kavimo", "Sex：")},
    {IdAge, "IdAge", QT_TRANSLATE_NOOP("kavimo", "Age：")},
    {IdPhone, "IdPhone", QT_TRANSLATE_NOOP("kavimo", "Phone：")},
    {IdDiseaseCaption, "IdDiseaseCaption", QT_TRANSLATE_NOOP("kavimo", "Disease：")},
    {IdStatusLine, "IdStatusLine", ""},
    {IdStatusLine2, "IdStatusLine2", ""},
};

}  // namespace

CkavimoDlg::CkavimoDlg(RecordStore& store, CUdp& udp, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_store(store),
      m_udp(udp),
      m_runUserList([](CUserList& dialog) { dialog.exec(); }) {
    InitAppResources();
    setObjectName(QStringLiteral("CkavimoDlg"));
    setWindowTitle(Ui::tr("Oral image acquisition system"));
    m_hIcon = QIcon(QStringLiteral(":/icon/128.png"));
    m_hIcon.addFile(QStringLiteral(":/icon/128-32.png"));
    m_udp.SetTickCounter(&GlobalTicks());
    m_timer.setInterval(kTimerPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &CkavimoDlg::OnTimer);
    m_rebuildSoon.setSingleShot(true);
    connect(&m_rebuildSoon, &QTimer::timeout, this, &CkavimoDlg::RebuildPicturesNow);
    CreateControls();
}

CkavimoDlg::~CkavimoDlg() { Teardown(); }

void CkavimoDlg::CreateControls() {
    auto hidden = [this](int id, const char* name, const char* text, void (QDialog::*slot)()) {
        auto* b = new QPushButton(Ui::tr(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("controlId", id);
        b->hide();
        connect(b, &QPushButton::clicked, this, slot);
    };
    hidden(IdOK, "IdOK", QT_TRANSLATE_NOOP("kavimo", "确定"), &QDialog::accept);
    hidden(IdCancel, "IdCancel", QT_TRANSLATE_NOOP("kavimo", "取消"), &QDialog::reject);

    for (const ControlSpec& spec : kLabels) {
        auto* label = new QLabel(Ui::tr(spec.text), this);
        label->setTextFormat(Qt::PlainText);  // they show the patient's name as typed
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setProperty("controlId", spec.id);
    }

    // The diagnosis box takes no more than the record holds, and says how much that is.
    m_disease = new CLimitedTextEdit(kDiagnosisUnits, this);
    m_disease->setObjectName(QStringLiteral("IdDisease"));
    m_disease->setProperty("controlId", int(IdDisease));
    m_diseaseCount = new QLabel(this);
    m_diseaseCount->setObjectName(QStringLiteral("IdDiseaseCount"));
    m_diseaseCount->setProperty("controlId", int(IdDiseaseCount));
    m_diseaseCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_disease, &QTextEdit::textChanged, this, &CkavimoDlg::ShowDiagnosisCount);
    ShowDiagnosisCount();

    m_banner = new CPatientBanner(this);
    m_banner->setObjectName(QStringLiteral("IdPatientBanner"));
    m_banner->setProperty("controlId", int(IdPatientBanner));

    m_statusImage = new QLabel(this);
    m_statusImage->setObjectName(QStringLiteral("IdStatusImage"));
    m_statusImage->setProperty("controlId", int(IdStatusImage));
    m_statusImage->setAlignment(Qt::AlignCenter);

    m_list = new CListImageCtrl(this);
    m_list->setObjectName(QStringLiteral("IdThumbList"));
    m_list->setProperty("controlId", int(IdThumbList));

    // The picture panes share the picture area. Pane 1097 holds the patient's pictures and
    // strokes, 1096 numbers, frames and empty fills over it, and 1098 (the live video window and
    // the picture camera's previews) is on top; a pane shows only what has been drawn into it.
    m_pane3 = new CPicturePane(this);
    m_pane3->setObjectName(QStringLiteral("IdPane3"));
    m_pane2 = new CPicturePane(this);
    m_pane2->setObjectName(QStringLiteral("IdPane2"));
    m_pane1 = new CPicturePane(this);
    m_pane1->setObjectName(QStringLiteral("IdPane1"));
    m_pane3->setProperty("controlId", int(IdPane3));
    m_pane2->setProperty("controlId", int(IdPane2));
    m_pane1->setProperty("controlId", int(IdPane1));

    // Two radio groups, bound to the review's pen width and colour.
    auto* widths = new QButtonGroup(this);
    auto* colours = new QButtonGroup(this);
    for (const ToolSpec& spec : kToolButtons) {
        auto* b = new CFaceButton(QString(), this);
        b->setObjectName(QString::fromLatin1(spec.name));
        b->setProperty("controlId", spec.id);
        b->setToolTip(Ui::tr(spec.text));
        b->setAccessibleName(Ui::tr(spec.text));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::TabFocus);
        if (spec.id <= IdThin)
            widths->addButton(b, spec.id - IdThick);
        else
            colours->addButton(b, spec.id - IdRed);
    }
    connect(widths, &QButtonGroup::idClicked, this, [this](int index) { m_review.SetPenWidthIdx(index); });
    connect(colours, &QButtonGroup::idClicked, this, [this](int index) { m_review.SetColorIdx(index); });

    for (const ControlSpec& spec : kPushButtons) {
        auto* b = new CFaceButton(Ui::tr(spec.text), this);
        b->setObjectName(QString::fromLatin1(spec.name));
        b->setProperty("controlId", spec.id);
        b->setAutoDefault(false);
    }
    for (const KeySpec& spec : kButtonKeys) {
        QPushButton* b = Button(spec.id);
        const QKeySequence key(QString::fromLatin1(spec.key));
        b->setToolTip(key.isEmpty()
                          ? Ui::tr(spec.tip)
                          : QStringLiteral("%1 (%2)").arg(Ui::tr(spec.tip), key.toString(QKeySequence::NativeText)));
        if (!key.isEmpty()) AddButtonKey(spec.id, key);
    }
    // F1 opens the user guide.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { ShowUserGuide(this); });
    // Tab moves on from the diagnosis box rather than typing a tab into it.
    m_disease->setTabChangesFocus(true);

    // The message map: one handler per control.
    auto on = [this](int id, void (CkavimoDlg::*slot)()) { connect(Button(id), &QPushButton::clicked, this, slot); };
    on(IdUser, &CkavimoDlg::OnUser);
    on(IdSample, &CkavimoDlg::OnSample);
    on(IdImport, &CkavimoDlg::OnImport);
    on(IdExport, &CkavimoDlg::OnExport);
    on(IdPickup, &CkavimoDlg::OnPickup);
    on(IdPrint, &CkavimoDlg::OnPrint);
    connect(Button(IdExit), &QPushButton::clicked, this, &QDialog::accept);
    on(IdSave, &CkavimoDlg::OnSave);
    on(IdSaveAs, &CkavimoDlg::OnSaveAs);
    on(IdUndo, &CkavimoDlg::OnUndo);
    on(IdSplit, &CkavimoDlg::OnSplit);
    on(IdDelete, &CkavimoDlg::OnDelete);
    on(IdPrev, &CkavimoDlg::OnPrev);
    on(IdNext, &CkavimoDlg::OnNext);
    on(IdSaveDisease, &CkavimoDlg::OnSaveDisease);
    on(IdFreeze, &CkavimoDlg::OnFreeze);
    connect(m_list, &QListWidget::itemClicked, this, &CkavimoDlg::OnListClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CkavimoDlg::OnListDoubleClick);
    m_list->installEventFilter(this);
}

bool CkavimoDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown: {
                // The list moves its highlight with the key; the shown picture follows once it has.
                const int before = m_list->FileIndexOf(m_list->currentItem());
                QMetaObject::invokeMethod(
                    this,
                    [this, before] {
                        const int now = m_list->FileIndexOf(m_list->currentItem());
                        if (now >= 0 && now != before) FollowListHighlight(now);
                    },
                    Qt::QueuedConnection);
                break;
            }
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QWidget* CkavimoDlg::Control(int id) const {
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->property("controlId").toInt() == id) return w;
    }
    return nullptr;
}

QPushButton* CkavimoDlg::Button(int id) const { return qobject_cast<QPushButton*>(Control(id)); }

void CkavimoDlg::AddButtonKey(int id, const QKeySequence& key) {
    auto* shortcut = new QShortcut(key, this);
    // A held key (or foot switch) presses once: its repeats would take a picture each.
    shortcut->setAutoRepeat(false);
    const bool space = key == QKeySequence(Qt::Key_Space);
    connect(shortcut, &QShortcut::activated, this, [this, id, space] {
        // Space keeps pressing the button that has the focus.
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        if (space && focused && focused->isEnabled()) {
            focused->click();
            return;
        }
        QPushButton* b = Button(id);
        if (b && b->isVisible() && b->isEnabled()) b->click();
    });
}

void CkavimoDlg::ApplyFootSwitchKey() {
    if (m_settingsFile.isEmpty()) return;
    const QSettings ini(m_settingsFile, QSettings::IniFormat);
    const QString text = IniValueText(ini, QStringLiteral("keys/foot_switch")).trimmed();
    if (text.isEmpty()) return;
    const QKeySequence key = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (key.isEmpty() || key.count() != 1) {
        platform::DebugWarning("kavimo: the foot switch key \"%s\" is no key; the foot switch is not used\n",
                               text.toUtf8().constData());
        return;
    }
    // The foot switch does what Space does: freeze, then store.
    AddButtonKey(IdFreeze, key);
}

CPicturePane* CkavimoDlg::Pane(int id) const {
    switch (id) {
        case IdPane1:
            return m_pane1;
        case IdPane2:
            return m_pane2;
        case IdPane3:
            return m_pane3;
        default:
            return nullptr;
    }
}

void CkavimoDlg::EnableButtons(std::initializer_list<int> ids, bool enable) {
    for (int id : ids) {
        if (QPushButton* b = Button(id)) b->setEnabled(enable);
    }
}

// --- Start-up -----------------------------------------------------------------------------------

void CkavimoDlg::OnInitDialog() {
    if (m_bInitialised) return;
    m_bInitialised = true;
    ApplyFootSwitchKey();

    // Icons, background, the diagnosis box's colour.
    setWindowIcon(m_hIcon);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackgroundColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
    QPalette diseasePalette = m_disease->palette();
    diseasePalette.setColor(QPalette::Base, kDiseaseBackground);
    m_disease->setPalette(diseasePalette);

    // The whole screen, less what panels and docks take (the available area), so that the bottom
    // row of buttons is always on screen; maximized, the window manager fits the frame in too.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    m_fontLarge = CellHeightFont(QStringLiteral("Arial"), 32, kWeightBold);
    m_fontMedium = CellHeightFont(QStringLiteral("Arial"), 20, kWeightBold);
    m_fontSmall = CellHeightFont(QStringLiteral("Arial"), 16, kWeightBold);

    for (const ControlSpec& spec : kPushButtons) {
        auto* b = static_cast<CFaceButton*>(Button(spec.id));
        b->SetFaceColor(spec.id == IdSample ? kLiveButtonFaceColour : kButtonFaceColour);
        b->setFont(m_fontSmall);
    }

    ApplyLayout(width(), height());

    for (const ToolSpec& spec : kToolButtons) {
        QPushButton* b = Button(spec.id);
        const QPixmap bitmap(QString::fromLatin1(spec.bitmap));
        b->setIcon(QIcon(bitmap));
        b->setIconSize(bitmap.size());
    }
    Button(IdThick + m_review.PenWidthIdx())->setChecked(true);
    Button(IdRed + m_review.ColorIdx())->setChecked(true);

    m_penStroke = QPen(Qt::black, 1, Qt::SolidLine);
    m_rcPaneClient = m_pane1->rect();
    m_rcPane3Client = m_pane3->rect();

    m_bConnected = false;
    DrawStatus(m_bConnected);
    InitPictureState();
    for (int id : {IdThick, IdMedium, IdThin}) Button(id)->setFont(m_fontLarge);

    m_store.PrepareWorkDir();
    records::AuditTrail::SetUp(platform::HostPath(records::WorkDirFile(records::kAuditTrailFile)));
    m_store.Load();
    // A run cut short while storing, importing or deleting pictures left nothing half done.
    m_store.RepairPictureLists();
    // The patient dialog opens on the store's last patient: the one used last time, when it is
    // still there.
    const int remembered = FindPatientByUid(m_store, RememberedPatient(m_settingsFile));
    if (remembered > 0 && m_store.SelectUser(remembered) == remembered) m_store.CommitCurrentUser();

    CListImageCtrl::SetThumbnailSize(m_nThumbSize, m_nThumbSize);
    m_list->InitColumns();
    QPalette listPalette = m_list->palette();
    listPalette.setColor(QPalette::Base, kThumbListBackground);
    m_list->setPalette(listPalette);

    // A patient from the practice-management system takes the patient dialog's place.
    const pms::OpenedPatient opened = m_hasStartPatient ? OpenPmsPatient(m_startPatient) : pms::OpenedPatient{};
    if (m_hasStartPatient && !opened.ok) {
        ShowMessageBox(this,
                       Ui::tr("The patient %1 of the practice-management system could not be opened: %2.")
                           .arg(QString::fromStdString(m_startPatient.patientId), QString::fromStdString(opened.error)),
                       Ui::tr("Oral image acquisition system"), QMessageBox::Warning);
    }
    // Told before the patient dialog: a practice system waiting for an answer is not kept waiting
    // until somebody closes it.
    if (m_startOpened) m_startOpened(opened);
    if (!opened.ok) RunUserList();
    FillPatientPanel();

    m_nTicks = 0;
    m_tickThread.Start(&m_nTicks);

    ClearPickup();
    // The live view starts idle, with its media down (the camera, when there is one, sets them up).
    m_live.SetStreamEnabled(false);
    SetLiveState(LiveState::Idle);
    if (opened.ok) {
        ShowOpenedPatient(m_startShow);
    } else {
        ShowNewestPictures();
    }
    OfferUnsavedWork();
    EnableButtons({IdFreeze, IdSample}, false);
    DrawStatus(false);

    m_udp.Init(0);
    m_udp.SetOwner(this);

    if (m_udp.ProbeStreamCamera())
        StartCamera(CAMERA_STREAM);
    else if (m_udp.ProbePictureCamera())
        StartCamera(CAMERA_PICTURE);
    else
        m_udp.StartProbe();  // no camera yet: the watchdog keeps asking until one answers
    m_timer.start();
}

void CkavimoDlg::StartCamera(int type) {
    m_nCameraType = type;
    m_nWatchTicks = 0;
    if (m_nCameraType == CAMERA_STREAM) {
        m_bConnected = true;
        DrawStatus(m_bConnected);
        SetupMedia();
    } else if (m_nCameraType == CAMERA_PICTURE) {
        m_bJpegDisplay = false;
        m_udp.StartPictureChannel();
        m_live.SetStreamEnabled(true);
        Button(IdSample)->setText(Ui::tr("Stop"));
        Button(IdFreeze)->setText(Ui::tr("Snap"));
        EnableButtons({IdSample, IdFreeze}, true);
    }
}

// Without a camera the watchdog asks both kinds now and then; the first to answer is taken, as
// if it had answered at the start.
void CkavimoDlg::ProbeForCamera() {
    if (m_nWatchTicks++ < kProbeTicks) return;
    m_nWatchTicks = 0;
    const int answered = m_udp.ProbeAnswer();
    if (answered != 0) {
        platform::DebugNotice("kavimo: a %s camera answered: going live\n",
                              answered == CAMERA_STREAM ? "stream" : "picture");
        StartCamera(answered);
        return;
    }
    m_udp.StartProbe();
}

int CkavimoDlg::DoModal() {
    OnInitDialog();
    // The session ended while the start-up's dialogs were open: there is no run.
    if (m_bSessionEnding) return QDialog::Rejected;
    return exec();
}

void CkavimoDlg::ApplyLayout(int width, int height) {
    m_layout = ComputeMainLayout(width, height);
    if (layoutDirection() == Qt::RightToLeft) m_layout = MirrorMainLayout(m_layout, width);
    m_rcPictureArea = m_layout.pictureArea;
    m_rcStrip = m_layout.strip;
    m_rcTools = m_layout.tools;
    m_rcPanel = m_layout.panel;
    m_rcPatientText = m_layout.patientText;
    m_nThumbSize = m_layout.thumbSize;
    for (int q = 0; q < 4; ++q) m_rcQuad[q] = m_layout.quad[q];
    m_ptStatus = m_layout.status;
    m_ptStatus2 = m_layout.status2;
    m_rcStatusImage = m_layout.statusImage;
    for (const auto& [id, geometry] : m_layout.controls) {
        if (QWidget* w = Control(id)) w->setGeometry(geometry);
    }
    m_rcPaneClient = m_pane1->rect();
    m_rcPane3Client = m_pane3->rect();
    update();
}

void CkavimoDlg::RunUserList() {
    CUserList dialog(m_store, this);
    if (m_pacs) dialog.SetPacsAddress(m_pacs->Address());
    m_runUserList(dialog);
    _USER_INFO chosen = {};
    if (m_store.GetCurrentUser(&chosen) >= 0) RememberPatient(m_settingsFile, chosen.uid);
}

// --- Patient panel ------------------------------------------------------------------------------

void CkavimoDlg::FillPatientPanel() {
    update(m_rcPatientText);
    auto label = [this](int id) { return static_cast<QLabel*>(Control(id)); };
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) {
        m_curPatient = _USER_INFO{};
        label(IdNum)->setText(Ui::tr("ID："));
        label(IdName)->setText(Ui::tr("Name："));
        label(IdSex)->setText(Ui::tr("Sex："));
        label(IdAge)->setText(Ui::tr("Age："));
        label(IdPhone)->setText(Ui::tr("Phone："));
        m_banner->SetPatient(QString(), 0);
        m_list->Clear();
        m_disease->clear();  // no patient: no diagnosis of somebody else on screen
        m_strStoredDiagnosis.clear();
        return;
    }
    m_curPatient = user;
    label(IdNum)->setText(Ui::tr("ID：UID%1").arg(qint64(user.uid)));
    // What was typed for the patient where it was kept, the record's fields where not.
    const PatientDisplay shown = PatientDisplayOf(user);
    label(IdName)->setText(Ui::tr("Name：") + shown.name);
    label(IdSex)->setText(Ui::tr("Sex：") + shown.sex);
    label(IdAge)->setText(shown.birthDate.isEmpty() ? Ui::tr("Age：%1").arg(user.age)
                                                    : Ui::tr("Age：%1 (born %2)").arg(user.age).arg(shown.birthDate));
    label(IdPhone)->setText(Ui::tr("Phone：") + shown.phone);
    m_banner->SetPatient(shown.name, user.uid);
    ReloadThumbnails();
    char16_t description[350] = {};
    if (m_store.GetDescription(description) == 1) m_disease->setPlainText(DisplayText(FieldQString(description, 350)));
    m_strStoredDiagnosis = LeftUnits(m_disease->toPlainText(), kDiagnosisUnits);
}

// The thumbnail list shows the current patient's directory anew. The list is cleared first, so
// names of another patient can never come back with a later re-layout.
void CkavimoDlg::ReloadThumbnails() {
    CListImageCtrl::SetThumbnailSize(m_nThumbSize, m_nThumbSize);
    _USER_INFO user = {};
    const QString directory = m_store.GetCurrentUser(&user) >= 0
                                  ? ToQString(records::AnsiToUtf16(records::FieldText(user.dirPath)))
                                  : QString();
    // One picture more or less in the list shown (a capture, a delete): only that item changes.
    if (!directory.isEmpty() && directory == m_list->directory && m_list->RefreshOneChange()) {
        UpdateToothLabels();
        return;
    }
    if (directory != m_list->directory) m_pictureFilter.clear();  // another patient: all pictures
    m_list->Clear();
    if (directory.isEmpty()) {
        m_list->SetShownFilter(nullptr);
        return;
    }
    m_list->directory = directory;
    UpdateToothLabels();
    if (m_pictureFilter.isEmpty()) m_list->SetShownFilter(nullptr);
    m_list->Refresh();
}

void CkavimoDlg::OnSaveDisease() { SaveDiagnosis(); }

bool CkavimoDlg::SaveDiagnosis() {
    if (m_store.GetCurrentUser(nullptr) < 0) return false;
    const QString text = LeftUnits(m_disease->toPlainText(), kDiagnosisUnits);
    if (m_store.SetDescription(ToU16String(text)) != 1) return false;  // the store said why
    m_strStoredDiagnosis = text;
    return true;
}

bool CkavimoDlg::HasUnsavedDiagnosis() const {
    return m_store.GetCurrentUser(nullptr) >= 0 && m_disease->toPlainText() != m_strStoredDiagnosis;
}

void CkavimoDlg::ShowDiagnosisCount() {
    const int used = int(m_disease->toPlainText().size());
    m_diseaseCount->setText(QStringLiteral("%1 / %2").arg(used).arg(kDiagnosisUnits));
    // At the limit the count turns red: nothing more is taken.
    QPalette palette = m_diseaseCount->palette();
    palette.setColor(QPalette::WindowText, used >= kDiagnosisUnits ? QColor(200, 0, 0) : QColor(Qt::black));
    m_diseaseCount->setPalette(palette);
}

namespace {

// "Save / Discard / Cancel" about work that would be lost.
QMessageBox::StandardButton AskToSave(QWidget* parent, const QString& text) {
    MessageBoxRequest question;
    question.parent = parent;
    question.text = text;
    question.caption = Ui::tr("Oral image acquisition system");
    question.icon = QMessageBox::Warning;
    question.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    return ShowMessageBox(question);
}

}  // namespace

bool CkavimoDlg::ConfirmUnsavedDiagnosis() {
    if (!HasUnsavedDiagnosis()) return true;
    switch (AskToSave(this, Ui::tr("The diagnosis has not been saved. Save it?"))) {
        case QMessageBox::Save:
            return SaveDiagnosis();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

bool CkavimoDlg::ConfirmUnsavedStrokes() {
    if (!HasUnsavedStrokes()) return true;
    // Camera keys that arrive while the question is open are not taken: they would page or
    // freeze under it.
    m_bAskingAboutStrokes = true;
    const QMessageBox::StandardButton answer =
        AskToSave(this, Ui::tr("The strokes on the picture have not been saved. Save them?"));
    m_bAskingAboutStrokes = false;
    switch (answer) {
        case QMessageBox::Save:
            // Over the picture shown, as "Save" does; the four pictures of split view (or strokes on
            // an empty pane) have no one file to go over and become a new picture, as "Save As" does.
            return !m_review.Split() && !m_review.PanePath(0).isEmpty() ? SaveOverShownPicture() : SaveAsNewPicture();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void CkavimoDlg::done(int result) {
    if (m_bAskingToClose) return;  // a second close while the question is open
    if (m_bInitialised && !m_bTornDown && !m_bSessionEnding) {
        m_bAskingToClose = true;
        const bool go = ConfirmUnsavedDiagnosis() && ConfirmUnsavedStrokes();
        m_bAskingToClose = false;
        if (!go) return;
        // Answered for: a draft kept earlier in this session is out of date.
        m_bWorkSettled = true;
        if (!m_stateDir.isEmpty()) WorkDraft::Remove(m_stateDir);
    }
    QDialog::done(result);
}

void CkavimoDlg::OnUser() {
    if (!ConfirmUnsavedDiagnosis() || !ConfirmUnsavedStrokes()) return;  // stay with this patient
    m_store.CommitCurrentUser();
    RunUserList();
    FillPatientPanel();
    ClearPickup();
    Button(IdPickup)->setText(Ui::tr("Pickup"));
    ShowNewestPictures();
}

void CkavimoDlg::ClearPickup() { m_picks.Clear(); }

// --- Connection state ---------------------------------------------------------------------------

void CkavimoDlg::DrawStatus(bool connected) {
    m_statusImage->setPixmap(
        QPixmap(connected ? QStringLiteral(":/bitmap/162.png") : QStringLiteral(":/bitmap/161.png")));
    // The first line may run past its 210-pixel box in the large font (to the left where the
    // language reads right to left).
    const int before = layoutDirection() == Qt::RightToLeft ? kStatusWidth : 0;
    update(QRect(m_ptStatus - QPoint(before, 0), QSize(2 * kStatusWidth, kStatusHeight + kStatus2Height + 2)));
    update(Status2Box());
}

QString CkavimoDlg::StatusText() const {
    return m_bConnected ? Ui::tr("WIFI connected！") : Ui::tr("WIFI disconnect！");
}

QString CkavimoDlg::StatusText2() const {
    if (m_pacs && !m_pacs->StatusText().isEmpty()) return m_pacs->StatusText();
    return m_bConnected ? QString() : QStringLiteral("re-connecting...");
}

QRect CkavimoDlg::Status2Box() const {
    // From its anchor to the panel's far edge: the right one, or the left one right to left.
    if (layoutDirection() == Qt::RightToLeft) {
        const int right = m_ptStatus2.x() + kStatus2Width;
        const int width = std::max(kStatus2Width, right - m_layout.panel.x() - 4);
        return QRect(right - width, m_ptStatus2.y(), width, kStatus2Height);
    }
    const int width = std::max(kStatus2Width, RightEdge(m_layout.panel) - m_ptStatus2.x() - 4);
    return QRect(m_ptStatus2, QSize(width, kStatus2Height));
}

QString CkavimoDlg::StatusText2Shown() const {
    // The archive's reason can be long: cut to the box, whole in the tooltip.
    return QFontMetrics(m_fontSmall).elidedText(StatusText2(), Qt::ElideRight, Status2Box().width());
}

bool CkavimoDlg::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        const QString text = StatusText2();
        if (Status2Box().contains(at) && !text.isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this, Status2Box());
            return true;
        }
    }
    return QDialog::event(event);
}

void CkavimoDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter p(this);
    const QRect box(m_ptStatus, QSize(kStatusWidth, kStatusHeight + kStatus2Height + 2));
    p.fillRect(box, kBackgroundColour);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    // The first line may run past its box but not past the panel: a longer text is set smaller.
    const int room = layoutDirection() == Qt::RightToLeft ? m_ptStatus.x() + kStatusWidth - m_layout.panel.x()
                                                          : RightEdge(m_layout.panel) - m_ptStatus.x();
    const QString status = StatusText();
    p.setFont(FontThatFits(m_fontLarge, 12, [&status, room](const QFont& f) {
        return QFontMetrics(f).horizontalAdvance(status) <= room;
    }));
    p.setPen(m_bConnected ? QColor(0, 255, 0) : QColor(255, 0, 0));
    p.drawText(QRect(m_ptStatus, QSize(kStatusWidth, kStatusHeight)), flags, status);
    p.setFont(m_fontSmall);
    p.setPen(Qt::black);
    p.drawText(Status2Box(), flags, StatusText2Shown());
    // Previews of the picture camera are shown once the window has been painted for the first
    // time (not on every repaint, which would undo the "Sample" switch).
    if (m_bInitialised && !m_bJpegDisplayStarted) {
        m_bJpegDisplayStarted = true;
        m_bJpegDisplay = true;
    }
}

void CkavimoDlg::OnTimer() {
    if (m_nCameraType == 0) {
        ProbeForCamera();
    } else if (m_nCameraType == CAMERA_STREAM) {
        if (m_nWatchTicks++ >= kStreamCheckTicks) {
            m_nWatchTicks = 0;
            const int heartbeat = m_nHeartbeat.load(std::memory_order_acquire);
            if (heartbeat == m_nHeartbeatSeen) {
                m_bConnected = false;
                DrawStatus(m_bConnected);
                TeardownMedia();
            } else {
                m_nHeartbeatSeen = heartbeat;
                m_bConnected = true;
                DrawStatus(m_bConnected);
                SetupMedia();
            }
        }
        UpdateLivePane();
    } else if (m_nCameraType == CAMERA_PICTURE) {
        if (m_nWatchTicks++ >= kPictureCheckTicks) {
            m_nWatchTicks = 0;
            if (m_nJpegCount == m_nJpegCountSeen) {
                if (m_bConnected) {
                    m_bConnected = false;
                    DrawStatus(m_bConnected);
                    m_udp.m_bPictureEnable = 0;
                }
            } else {
                m_bConnected = true;
                DrawStatus(m_bConnected);
                // The camera is back: let the picture channel run again (a channel left disabled
                // would take in one picture after each reconnection and stop).
                m_udp.m_bPictureEnable = 1;
            }
            m_nJpegCountSeen = m_nJpegCount;
        }
        if (m_udp.m_bSaved.load()) {
            m_udp.m_bSaved = 0;
            m_store.AddPicture(0, m_udp.SavedPath(), true);
            PictureStored(records::Utf16ToAnsi(m_udp.SavedPath()));
            ReloadPictures(false);  // the picks stay marked
            OfferChartAfterCapture(records::Utf16ToAnsi(m_udp.SavedPath()));
        }
        if (m_udp.m_bPreviewReady.load()) {
            if (m_bJpegDisplay) {
                if (const CPreviewStream* preview = m_udp.PreviewStream()) {
                    const QImage picture = QImage::fromData(preview->Data(), int(preview->Size()));
                    if (!picture.isNull()) {
                        m_rcPaneClient = m_pane1->rect();
                        m_pane1->DrawStretched(picture);
                    }
                }
            }
            m_udp.m_bPreviewReady = 0;
            ++m_nJpegCount;
        }
    }
}

// --- Camera link (called on its threads) --------------------------------------------------------

void CkavimoDlg::AddHeartbeat() { m_nHeartbeat.fetch_add(1, std::memory_order_acq_rel); }

void CkavimoDlg::PostCameraKey(int code) { QCoreApplication::postEvent(this, new CameraKeyEvent(code)); }

bool CkavimoDlg::IsDeleteConfirmOpen() const { return m_bDeleteConfirm.load(); }

void CkavimoDlg::customEvent(QEvent* event) {
    if (event->type() == CameraKeyEvent::kType) {
        OnCameraKey(static_cast<CameraKeyEvent*>(event)->Code());
        return;
    }
    QDialog::customEvent(event);
}

void CkavimoDlg::OnCameraKey(int code) {
    if (m_bDeleteConfirm.load()) return;  // the camera link answers the confirmation itself
    if (m_bAskingAboutStrokes) return;
    if (CameraKeyForChart(code)) return;
    switch (code) {
        case 0x51:
            if (m_live.State() == LiveState::Idle) {
                OnDelete();
            } else if (m_live.State() == LiveState::Frozen) {
                SetLiveState(LiveState::Idle);
                OnFreeze();
            }
            break;
        case 0x52:
            ShowNextPicture();
            break;
        case 0x53:
            ShowPrevPicture();
            break;
        case 0x54:
            OnSplit();
            break;
        case 0x55:
            OnFreeze();
            break;
        default:
            break;
    }
}

// The commands of capture and picture management are in kavimodlg_capture.cpp, those of picture
// review and annotation in kavimodlg_review.cpp.

// --- Report printing ----------------------------------------------------------------------------

void CkavimoDlg::OnPrint() {
    if (m_store.GetCurrentUser(nullptr) < 0) return;  // nobody to report on
    // The picked pictures in pick order; a slot of 999 is empty, and a picture that is no longer
    // in the store is left out.
    m_nPrintCount = 0;
    for (QString& path : m_strPrintPath) path.clear();
    for (int slot : m_picks.Slots()) {
        if (slot == Picks::kEmpty) continue;
        _DISE_PIC picture = {};
        if (m_store.GetPicture(slot, &picture) != 1) continue;
        m_strPrintPath[m_nPrintCount++] = ToQString(records::AnsiToUtf16(records::FieldText(picture.path)));
    }
    // One preview at a time: the previous frame is released.
    if (m_pPrintFrame) m_pPrintFrame->close();
    m_pPrintFrame = new CPrintFrame(this, this);
    m_pPrintFrame->StartPreview();
}

bool CkavimoDlg::CurrentReport(ReportContent* content) const {
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return false;
    QStringList paths;
    for (int i = 0; i < m_nPrintCount && i < 4; ++i) paths << m_strPrintPath[i];
    *content = MakeReportContent(user, ToQString(m_store.GetHospital()), paths, QDateTime::currentDateTime());
    for (const QString& path : paths) content->pictureCaptions << TeethCaptionOf(path);
    const QSettings ini(m_settingsFile.isEmpty() ? DefaultIniPath() : m_settingsFile, QSettings::IniFormat);
    content->doctor = IniValueText(ini, QStringLiteral("report/doctor")).trimmed();
    return true;
}

int CkavimoDlg::OnBeginPrinting(QPainter& dc, CPrintInfo& info) {
    m_report.Begin(dc);
    // The time printed is the one of the run's beginning, on every page.
    m_printContent = ReportContent();
    m_bPrintContent = CurrentReport(&m_printContent);
    info.maxPage = m_bPrintContent ? m_report.PageCount(dc, m_printContent) : 1;
    return 1;
}

int CkavimoDlg::OnPrintPage(QPainter& dc, CPrintInfo& info) {
    if (!m_bPrintContent) return 1;  // nobody to report on: the page stays empty
    return m_report.DrawPage(dc, m_printContent, info.currentPage);
}

int CkavimoDlg::OnEndPrinting(QPainter&, CPrintInfo&) { return m_report.End(); }

// --- Window events ------------------------------------------------------------------------------

void CkavimoDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!m_bInitialised) return;
    // The window manager may give the window another size than the screen's; the controls
    // follow the client size.
    ApplyLayout(width(), height());
    OnPictureAreaResized();
    if (m_list && m_store.GetCurrentUser(nullptr) != -1) {
        CListImageCtrl::SetThumbnailSize(m_nThumbSize, m_nThumbSize);
        m_list->Relayout();
    }
}

void CkavimoDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc never end the run: only "Exit" and closing the window do, after asking about
    // unsaved work. A key pressed out of habit (Enter after a click on a thumbnail) must not take
    // a frozen frame, a drawing or the program with it. Enter presses the button that has the
    // focus, as Space does.
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* button = qobject_cast<QAbstractButton*>(focusWidget());
            if (button && button->isVisible() && button->isEnabled() && !event->isAutoRepeat() &&
                (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
                button->click();
            event->accept();
            return;
        }
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CkavimoDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window menu: the settings, the About entry, the archive's entries, and the entries that
    // undo a save over a picture or a deletion.
    QMenu menu(this);
    QAction* settings = menu.addAction(Ui::tr("Settings(&S)..."));
    QAction* about = menu.addAction(Ui::tr("关于 kavimo(&A)..."));
    menu.addSeparator();
    QAction* exportDicom = menu.addAction(Ui::tr("Export as DICOM…"));
    QAction* sendToPacs = menu.addAction(Ui::tr("Send to PACS"));
    menu.addSeparator();
    QAction* revert = menu.addAction(Ui::tr("Revert to original"));
    revert->setEnabled(ShownPictureHasOriginal());
    QAction* restore = menu.addAction(Ui::tr("Restore deleted pictures…"));
    restore->setEnabled(m_store.GetCurrentUser(nullptr) >= 0 && !m_store.DeletedPictures().empty());
    menu.addSeparator();
    QAction* teeth = menu.addAction(Ui::tr("Teeth and view…"));
    teeth->setEnabled(!PicturesToTag().isEmpty());
    QAction* filter = menu.addAction(Ui::tr("Show pictures of a tooth or view…"));
    filter->setEnabled(m_store.GetCurrentUser(nullptr) >= 0);
    QAction* showAll = menu.addAction(Ui::tr("Show all pictures"));
    showAll->setEnabled(!m_pictureFilter.isEmpty());
    QAction* compare = menu.addAction(Ui::tr("Compare"));
    compare->setEnabled(m_store.GetCurrentUser(nullptr) >= 0);
    const QAction* chosen = menu.exec(event->globalPos());
    if (chosen == settings)
        OnSettings();
    else if (chosen == about)
        OnAbout();
    else if (chosen == exportDicom)
        OnExportDicom();
    else if (chosen == sendToPacs)
        OnSendToPacs();
    else if (chosen == revert)
        OnRevertToOriginal();
    else if (chosen == restore)
        OnRestorePictures();
    else if (chosen == teeth)
        OnTagPictures();
    else if (chosen == filter)
        OnFilterPictures();
    else if (chosen == showAll)
        SetPictureFilter(QString());
    else if (chosen == compare)
        OnCompare();
}

void CkavimoDlg::OnSettings() {
    CSettingsDlg settings(m_settingsFile.isEmpty() ? DefaultIniPath() : m_settingsFile, m_settingsOverrides, this);
    AddPacsSettings(&settings);
    AddTeethSettings(&settings);
    settings.exec();
    // The teeth's notation and the chart after capture take effect at once.
    m_teethSettings = ReadTeethSettings(m_settingsFile.isEmpty() ? DefaultIniPath() : m_settingsFile);
    UpdateToothLabels();
}

void CkavimoDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

// --- Teardown -----------------------------------------------------------------------------------

void CkavimoDlg::Teardown() {
    if (m_bTornDown) return;
    // The run ended without the questions (the application was told to quit): the work is kept.
    if (!m_bWorkSettled) KeepUnsavedWork();
    m_bTornDown = true;
    m_bClosing = true;
    m_timer.stop();
    // First of all no camera thread may reach this window any more; SetOwner waits for a call
    // in progress.
    m_udp.SetOwner(nullptr);
    if (m_nCameraType == CAMERA_STREAM) {
        TeardownMedia();
        SetLiveState(LiveState::Idle);
        m_udp.Close();
    } else if (m_nCameraType == CAMERA_PICTURE) {
        m_udp.StopPictureChannel();
        m_udp.ReleasePictureChannel();
    }
    m_tickThread.Stop();
}
