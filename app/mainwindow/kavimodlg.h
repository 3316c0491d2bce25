// CkavimoDlg: the main window, "Oral image acquisition system".
//
// It lives for the whole run: it lays its controls out for the screen, asks for the patient at
// start-up, finds out which camera answers, watches the connection with a 50 ms timer, shows the
// connection state, hosts the patient panel and the thumbnail list, and receives the camera's
// keys as posted events.
//
// Threads: everything here runs on the user-interface thread except
//   - the CUdpOwner calls, which the camera link makes on its listener threads. Those only touch
//     atomics or post events; the owner pointer is cleared (waiting for a call in progress) before
//     the window goes away;
//   - the live view's frame and release callbacks (see LiveView), which read only the live view's
//     handles.
#pragma once

#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QPen>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/mainwindow/controlids.h"
#include "app/mainwindow/liveview.h"
#include "app/mainwindow/mainlayout.h"
#include "app/mainwindow/picks.h"
#include "app/mainwindow/picturereview.h"
#include "app/mainwindow/tickthread.h"
#include "app/pictures/pictureio.h"
#include "app/print/printview.h"
#include "app/print/reportpage.h"
#include "app/settings/teethsettings.h"
#include "camlink/udp.h"
#include "pms/patientopen.h"
#include "records/recordstore.h"
#include "records/toothtags.h"

class BigPic;
class CFaceButton;
class CLimitedTextEdit;
class CListImageCtrl;
class CPatientBanner;
class CPrintFrame;
class CPicturePane;
class CCompareDlg;
class CToothChartDlg;
class CUserList;
class QLabel;
class QListWidgetItem;
class QPushButton;
class QTextEdit;

// A camera key, posted by the camera link's listener thread to the window as a Qt event of type
// User + 88; the key code travels with it.
class CameraKeyEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 88);
    explicit CameraKeyEvent(int code) : QEvent(kType), m_code(code) {}
    int Code() const { return m_code; }

private:
    int m_code;
};

class PacsSender;

class CkavimoDlg : public QDialog, public CUdpOwner, public CPrintOwner {
    Q_OBJECT
public:
    // The window works with the application's records store and camera link, both of which
    // outlive it.
    CkavimoDlg(RecordStore& store, CUdp& udp, QWidget* parent = nullptr);
    ~CkavimoDlg() override;

    // The start-up of the window (before it is shown): layout, records, the patient dialog, the
    // tick thread, the camera probes and the watchdog timer.
    void OnInitDialog();
    // OnInitDialog, then the modal run; returns its result.
    int DoModal();
    // The teardown at window destruction; also run by the destructor, safe to repeat.
    void Teardown();

    // How the patient dialog is run (tests answer it without a modal loop).
    using UserListRunner = std::function<void(CUserList&)>;
    void SetUserListRunner(UserListRunner runner) { m_runUserList = std::move(runner); }

    // --- The practice-management system (kavimodlg_pms.cpp) ---------------------------------------
    // The patient a practice-management system named for this start: it is opened instead of
    // asking with the patient dialog (which comes only when it cannot be opened), and the pictures
    // named are shown. `opened` hears how that went.
    using PatientOpened = std::function<void(const pms::OpenedPatient&)>;
    void SetStartPatient(const pms::PatientRequest& request, const std::vector<std::string>& show,
                         PatientOpened opened);
    // A patient handed over from a second start: the window asks about unsaved work as a change
    // of patient does, opens the patient, shows the pictures named and comes to the front.
    // Returns "" with the patient's UID, or why it stayed with the patient it had.
    QString OpenHandedOverPatient(const pms::PatientRequest& request, const std::vector<std::string>& show,
                                  uint64_t* uid);

    // What "Settings..." edits: the settings file of this run and what overrides it (by default the
    // user's kavimo.ini with nothing overridden). The patient used last is remembered in the
    // file given here (none given: nothing is remembered).
    void SetSettingsSource(const QString& iniPath, const QHash<QString, QString>& overrides) {
        m_settingsFile = iniPath;
        m_settingsOverrides = overrides;
        m_teethSettings = ReadTeethSettings(iniPath);
    }

    // Where the unsaved work is kept when the session ends: kavimo's own state directory (empty:
    // nowhere). Also watches the session manager's requests to save and the application's quit.
    void SetStateDirectory(const QString& dir);
    // Keeps the unsaved diagnosis and strokes of the current patient as a draft, offered at the
    // next start; true when there was nothing to keep or it was kept.
    bool KeepUnsavedWork();
    // The session ends (logout, shutdown, SIGTERM): the unsaved work is kept and the run ends
    // without a question.
    void EndSession();

    // The control of an id, for tests and tools.
    QWidget* Control(int id) const;

    // Work that closing the window or changing the patient would lose: the diagnosis box holds
    // text that is not what is stored; the picture shown carries strokes not yet saved.
    bool HasUnsavedDiagnosis() const;
    bool HasUnsavedStrokes() const { return m_review.StrokesUnsaved(); }

    // How the picture viewer is run (tests look at it without a modal loop).
    using ViewerRunner = std::function<void(BigPic&)>;
    void SetViewerRunner(ViewerRunner runner) { m_runViewer = std::move(runner); }
    // How the tooth chart and Compare run (tests answer them without a nested loop).
    using ChartRunner = std::function<int(CToothChartDlg&)>;
    void SetChartRunner(ChartRunner runner) { m_runChart = std::move(runner); }
    using CompareRunner = std::function<void(CCompareDlg&)>;
    void SetCompareRunner(CompareRunner runner) { m_runCompare = std::move(runner); }

    // The teeth and views of the pictures (kavimodlg_teeth.cpp), as the right-click menu's
    // entries use them. The chart for the picked pictures, or else the one shown.
    void OnTagPictures();
    // Shows only the pictures of a tooth (the clinic's notation or FDI) or a view; empty shows
    // them all. False, with the list as it was, for a text that is neither.
    bool SetPictureFilter(const QString& text);
    void OnFilterPictures();
    // The two picked pictures, or the shown one and the latest earlier picture of its teeth,
    // side by side.
    void OnCompare();
    // The pair Compare shows, earlier first; false (with why, when there is something to say)
    // when there is none.
    bool ComparePair(QString* earlier, QString* later, QString* why) const;
    // Where "Import" gets its files (host paths, in the order chosen; empty when cancelled) and
    // "Export" its folder (empty when none was chosen).
    using FilesChooser = std::function<QStringList(QWidget* parent)>;
    using FolderChooser = std::function<QString(QWidget* parent)>;
    void SetImportChooser(FilesChooser chooser) { m_chooseImportFiles = std::move(chooser); }
    void SetExportChooser(FolderChooser chooser) { m_chooseExportFolder = std::move(chooser); }
    // The clock that names new pictures (the current time by default).
    using Clock = std::function<std::time_t()>;
    void SetClock(Clock clock) { m_clock = std::move(clock); }
    // How a frozen stream frame is written as a BMP file (host path): the player's last shown
    // frame by default. True when the file was written.
    using SnapshotWriter = std::function<bool(const std::string& hostPath)>;
    void SetSnapshotWriter(SnapshotWriter writer) { m_writeSnapshot = std::move(writer); }
    // The clinic's archive (null: none): "Send to PACS", automatic sending, the status line and
    // the worklist of the patient dialog. It must outlive the window.
    void SetPacsSender(PacsSender* sender);
    // The right-click menu's archive entries, on the picked pictures (all of the patient's when
    // none is picked): DICOM files into a chosen folder, and queueing for the archive.
    void OnExportDicom();
    void OnSendToPacs();

    // --- Live view (stream camera) --------------------------------------------------------------
    // Sets the media libraries up: initialises both, creates the decoder and the video play
    // object bound to pane 1098 and starts the live view. 0 at once when they are set up already;
    // else 1. Run at start-up and by the watchdog when heartbeats arrive.
    int SetupMedia();
    // Tears them down: the receiver first (it waits for its threads), then the decoder and the
    // play object, then both libraries. 0 at once when they are down; else 1. Run by the
    // watchdog when heartbeats stop and at window destruction.
    int TeardownMedia();

    // --- CUdpOwner (camera link threads) --------------------------------------------------------
    void AddHeartbeat() override;
    void PostCameraKey(int code) override;
    bool IsDeleteConfirmOpen() const override;
    int AnswerDeleteConfirm(int answer) override;

    // --- Report printing: the print view's steps -------------------------------------------------
    int OnBeginPrinting(QPainter& dc, CPrintInfo& info) override;
    int OnPrintPage(QPainter& dc, CPrintInfo& info) override;
    int OnEndPrinting(QPainter& dc, CPrintInfo& info) override;

    // --- What the screen alone does not tell (read only) -----------------------------------------
    int CameraType() const { return m_nCameraType; }  // CAMERA_STREAM, CAMERA_PICTURE or 0
    bool Connected() const { return m_bConnected; }
    int HeartbeatCount() const { return m_nHeartbeat.load(); }
    // The picture camera's previews are shown; how many were taken in.
    bool JpegDisplay() const { return m_bJpegDisplay; }
    int JpegCount() const { return m_nJpegCount; }
    // The store index of the current picture (the newest of those shown).
    int CurrentIndex() const { return m_nCurIndex; }
    const LiveView& Live() const { return m_live; }
    LiveState liveState() const { return m_live.State(); }
    const PictureReview& Review() const { return m_review; }
    const Picks& Picked() const { return m_picks; }
    const MainLayout& Layout() const { return m_layout; }
    // The report last previewed: its pictures, and its preview frame while it is open.
    int PrintCount() const { return m_nPrintCount; }
    const QString& PrintPath(int i) const { return m_strPrintPath[i]; }
    const QPointer<CPrintFrame>& PrintFrame() const { return m_pPrintFrame; }
    const CReportPage& Report() const { return m_report; }

    // The hit test: quadrant 1..4 whose rectangle strictly contains a point of the window's
    // client area, 0 outside the picture area or on a quadrant border.
    int HitQuadrant(QPoint client) const;

    // The two status lines as they are drawn for the current connection state.
    QString StatusText() const;
    QString StatusText2() const;
    // The second line as it fits its box (elided at the right, "…"), and the box: from its
    // anchor to the panel's right edge. The whole line is the box's tooltip.
    QString StatusText2Shown() const;
    QRect Status2Box() const;
    // Timer 1, the connection watchdog, is running.
    bool WatchdogActive() const { return m_timer.isActive(); }

    CListImageCtrl* ThumbList() const { return m_list; }
    CPicturePane* Pane(int id) const;

protected:
    // Every way of ending the run ("Exit", closing the window) comes here: unsaved
    // work is asked about first, and the run goes on when the user cancels.
    void done(int result) override;
    void customEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private Q_SLOTS:
    void OnTimer();
    void OnUser();
    void OnSaveDisease();
    void OnAbout();
    void OnSettings();
    // Commands whose work arrives with the live view, capture, review, viewer and printing.
    void OnSample();
    void OnFreeze();
    void OnSave();
    void OnSaveAs();
    void OnImport();
    void OnExport();
    void OnPickup();
    void OnPrint();
    void OnDelete();
    void OnUndo();
    void OnSplit();
    void OnPrev();
    void OnNext();
    void OnListClick(QListWidgetItem* item);
    void OnListDoubleClick(QListWidgetItem* item);
    // The thumbnail list's highlight moved to file index `index` by a key: the picture is shown.
    void FollowListHighlight(int index);
    // The live view runs or the picture camera's previews are shown.
    bool PicturesComingIn() const;

private:
    void CreateControls();
    // Takes the camera of `type` (CAMERA_STREAM, CAMERA_PICTURE) that answered.
    void StartCamera(int type);
    void ProbeForCamera();
    // A key that presses the button `id` when it is shown and enabled.
    void AddButtonKey(int id, const QKeySequence& key);
    // The foot switch's key from the settings (keys/foot_switch) presses "Freeze".
    void ApplyFootSwitchKey();
    // The report of the current patient with the picked pictures; false when there is none.
    bool CurrentReport(ReportContent* content) const;
    void ApplyLayout(int width, int height);
    void RunUserList();
    // Opens a practice-management system's patient in the store (the current one is committed).
    pms::OpenedPatient OpenPmsPatient(const pms::PatientRequest& request);
    // The patient's new state on screen, its newest pictures or the first of `show` shown.
    void ShowOpenedPatient(const std::vector<std::string>& show);
    void FillPatientPanel();
    void ShowDiagnosisCount();
    // Stores the diagnosis box's text; false when there is no patient or the write failed (the
    // store reports why).
    bool SaveDiagnosis();
    // Ask "Save / Discard / Cancel" about unsaved work; true when the caller may go on (saved or
    // discarded), false to stay (cancelled, or the save failed).
    bool ConfirmUnsavedDiagnosis();
    bool ConfirmUnsavedStrokes();
    void ReloadThumbnails();
    void ClearPickup();
    void ShowNewestPictures();
    void ShowNextPicture();
    void ShowPrevPicture();
    void DrawStatus(bool connected);
    // Starts the live view's receiver on the configured video port and bind address; false on
    // failure, which is reported once.
    bool StartReceiver();
    // The native window the player draws into: pane 1098 bound for video (0 where the platform
    // has no native windows).
    TEGMO_PLAY_WINDOW VideoWindow();
    // Pane 1098 is on screen while it has something to show: live video (or the frozen frame)
    // or a picture drawn with Qt; otherwise the panes below it show the patient's pictures.
    void UpdateLivePane();
    // At start-up: offers the draft kept at the end of the last session (kavimodlg_draft.cpp).
    void OfferUnsavedWork();
    void RestoreStrokes(const QString& picturePath, const QImage& annotated);
    // A frozen frame kept through a drop of the camera's link, and leaving it once stored.
    void KeepFrozenFrame();
    void LeaveFrozenWithoutCamera();
    void OnCameraKey(int code);
    void EnableButtons(std::initializer_list<int> ids, bool enable);
    int AnswerDeleteConfirmNow(int answer);

    // Review and annotation (kavimodlg_review.cpp).
    void InitPictureState();
    int DrawPane(int q);
    void DrawEmptyPane(const QRect& target);
    void DrawPictureNumber(int slot);
    void RedrawOverlay();
    void UncoverPictureArea(const QRect& target);
    void DrawStrokeSegment(QPoint from, QPoint to);
    QImage CaptureView() const;
    void ResetHistory();
    void PushHistory();
    void ReadToolButtons();
    void WriteToolButtons();
    void ScrollThumbnails(int dy);
    void SetDrawingCursor(int kind);
    void MoveLivePaneForView();
    void OnPictureAreaResized();
    void OpenViewer(int q);

    // Capture and picture management (kavimodlg_capture.cpp).
    void FreezeStream();
    // "Save" over the file of pane 0 and "Save As" into a new file; true when written.
    bool SaveOverShownPicture();
    bool SaveAsNewPicture();
    // The right-click menu's "Revert to original" (pane 0's picture saved over) and "Restore
    // deleted pictures…" (the current patient's, from the trash).
    bool ShownPictureHasOriginal() const;
    void OnRevertToOriginal();
    void OnRestorePictures();
    void FreezePictureCamera();
    bool WaitForPictureFile(std::u16string* path);
    bool StoreNewPicture(const QImage& picture, std::string* logicalPath, QString* error);
    // Reloads the thumbnail list (after RebuildPictures when asked); the picked pictures stay
    // picked, found again by their paths (taken now, or before a change of the store).
    void ReloadPictures(bool rebuild);
    void ReloadPictures(bool rebuild, const QStringList& pickedPaths);
    void MarkPicks(const QStringList& pickedPaths);
    void ReloadPicturesAfterCapture(const std::string& path);
    void RebuildPicturesSoon();
    void RebuildPicturesNow();
    void ShowCurrentPictures();
    QStringList PickedPaths() const;
    // The store index of the picture with that path, trying `hint` first; -1 when it is gone.
    int StoreIndexOfPath(const QString& logicalPath, int hint = -1) const;
    std::time_t Now() const;
    void PickThumbnail(int position);

    // Teeth and views (kavimodlg_teeth.cpp).
    QString PatientHostDir() const;
    records::ToothTags CurrentToothTags() const;
    QString TagsText(const records::PictureTags& tags, const char* separator) const;
    // "Teeth 11 21 · Frontal" for a picture of the patient, in the clinic's notation; "" for none.
    QString TeethCaptionOf(const QString& logicalPath) const;
    // The thumbnails' teeth, read again from the patient's file.
    void UpdateToothLabels();
    bool TagPictures(const QStringList& logicalPaths, const records::PictureTags& tags, QString* error);
    QStringList PicturesToTag() const;
    // "Save As" made `to` from the picture `from` shown: it gets the same teeth and view.
    void KeepTeethOfSavedAs(const QString& from, const QString& to);
    // The chart for the pictures; true when their teeth were stored.
    bool AskForTeeth(const QStringList& logicalPaths);
    // After a capture, when the settings ask for it.
    void OfferChartAfterCapture(const std::string& logicalPath);
    // True when the key went to the open chart (the capture key confirms it).
    bool CameraKeyForChart(int code);

    // Fills the slots from store index k downwards and draws them (see ShowNewestPictures).
    void ShowPictures(int k);
    void SetLiveState(LiveState state) { m_live.SetState(state); }

    // --- State (names as the rest of the application knows them) -------------------------------
    int m_nCameraType = 0;  // CAMERA_STREAM, CAMERA_PICTURE or 0
    bool m_bConnected = false;
    std::atomic<int> m_nHeartbeat{0};
    bool m_bJpegDisplay = false;
    int m_nJpegCount = 0;
    std::atomic<bool> m_bDeleteConfirm{false};
    int m_nCurIndex = 0;
    _USER_INFO m_curPatient = {};
    std::atomic<uint64_t> m_nTicks{0};
    LiveView m_live;
    PictureReview m_review;
    Picks m_picks;
    PictureDecodeAhead m_decodeAhead;  // pane 0's next picture, decoded while a delete rewrites the lists
    int m_nCursorKind = 0;             // 0 none yet, 1 arrow, 2 drawing cursor

    CReportPage m_report;  // m_fontReport and the report's metrics
    // What the print run under way shows (set at its beginning).
    ReportContent m_printContent;
    bool m_bPrintContent = false;
    int m_nPrintCount = 0;
    QString m_strPrintPath[4];
    QPointer<CPrintFrame> m_pPrintFrame;

    // Layout results.
    MainLayout m_layout;
    QRect m_rcPictureArea, m_rcStrip, m_rcTools, m_rcPanel, m_rcPatientText;
    QRect m_rcPaneClient, m_rcPane3Client;
    QRect m_rcQuad[4];
    int m_nThumbSize = 0;
    QPoint m_ptStatus, m_ptStatus2;
    QRect m_rcStatusImage;

    QFont m_fontLarge, m_fontMedium, m_fontSmall;
    QPen m_penStroke;
    QIcon m_hIcon;

    ViewerRunner m_runViewer;
    ChartRunner m_runChart;
    CompareRunner m_runCompare;
    TeethSettings m_teethSettings;
    QPointer<CToothChartDlg> m_openChart;
    QString m_pictureFilter;  // what the thumbnail list is filtered by ("" none)
    FilesChooser m_chooseImportFiles;
    FolderChooser m_chooseExportFolder;
    PacsSender* m_pacs = nullptr;
    // A picture was stored (Freeze, Snap, Import, Save): tells the archive's sender.
    void PictureStored(const std::string& logicalPath);
    // The logical paths the archive entries work on.
    std::vector<std::string> PicturesForArchive() const;
    Clock m_clock;
    SnapshotWriter m_writeSnapshot;
    QString m_strStoredDiagnosis;  // the diagnosis box's text as it was last loaded or stored
    bool m_bAskingToClose = false;
    bool m_bAskingAboutStrokes = false;  // the question about unsaved strokes is open
    QString m_stateDir;                  // where the unsaved work is kept at the session's end
    bool m_bWatchingSession = false;
    bool m_bSessionEnding = false;        // the run ends for the session: nothing is asked
    bool m_bWorkSettled = false;          // the unsaved work was answered for (saved, dropped or kept)
    QString m_strSnapshotError;           // why the frozen frame could not be written ("" when it was)
    std::atomic<bool> m_bClosing{false};  // teardown has begun: the camera link gets no answers
    QPushButton* Button(int id) const;

    RecordStore& m_store;
    QString m_settingsFile;
    QHash<QString, QString> m_settingsOverrides;
    CUdp& m_udp;
    UserListRunner m_runUserList;
    bool m_hasStartPatient = false;
    pms::PatientRequest m_startPatient;
    std::vector<std::string> m_startShow;
    PatientOpened m_startOpened;
    CTickThread m_tickThread;
    QTimer m_timer;              // timer 1
    QTimer m_rebuildSoon;        // the store's rebuild after a delete or a capture
    uint64_t m_uRebuildUid = 0;  // the patient it is for
    int m_nWatchTicks = 0;       // ticks since the last connection check
    int m_nHeartbeatSeen = 0;    // heartbeat counter at the last check
    int m_nJpegCountSeen = 0;    // pictures taken in at the last check
    bool m_bInitialised = false;
    bool m_bTornDown = false;
    bool m_bJpegDisplayStarted = false;
    bool m_bReceiverFailureShown = false;

    CPatientBanner* m_banner = nullptr;
    QLabel* m_statusImage = nullptr;
    CLimitedTextEdit* m_disease = nullptr;
    QLabel* m_diseaseCount = nullptr;  // "n / 349" under the diagnosis box
    CListImageCtrl* m_list = nullptr;
    CPicturePane* m_pane1 = nullptr;  // 1098
    CPicturePane* m_pane2 = nullptr;  // 1096
    CPicturePane* m_pane3 = nullptr;  // 1097
};
