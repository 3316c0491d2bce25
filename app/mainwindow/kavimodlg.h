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
//   - the live view's frame callback (the stream receiver's parse thread) and release callback
//     (the player's display thread). They read m_hDecoder and m_hPlayer without a lock: the
//     handles are made before the receiver starts and deleted only after it has been destroyed,
//     which waits for its threads, so no callback runs while they change.
#pragma once

#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QImage>
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

#include "app/mainwindow/controlids.h"
#include "app/mainwindow/mainlayout.h"
#include "app/pictures/pictureio.h"
#include "app/print/printview.h"
#include "app/print/reportpage.h"
#include "app/mainwindow/tickthread.h"
#include "camlink/udp.h"
#include "decoder/TEGMO_Decoder.h"
#include "player/TEGMO_Player.h"
#include "records/recordstore.h"
#include "stream/streamreceiver.h"

class BigPic;
class CFaceButton;
class CListImageCtrl;
class CPrintFrame;
class CPicturePane;
class CUserList;
class QLabel;
class QListWidgetItem;
class QPushButton;
class QTextEdit;

// The camera key message (WM_USER + 88) as a posted event; the key code travels with it.
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

    // What "Settings..." edits: the settings file of this run and what overrides it (by default the
    // user's kavimo.ini with nothing overridden).
    void SetSettingsSource(const QString& iniPath, const QHash<QString, QString>& overrides) {
        m_settingsFile = iniPath;
        m_settingsOverrides = overrides;
    }

    // The control of an id, for tests and tools.
    QWidget* Control(int id) const;

    // Work that closing the window or changing the patient would lose: the diagnosis box holds
    // text that is not what is stored; the picture shown carries strokes not yet saved.
    bool HasUnsavedDiagnosis() const;
    bool HasUnsavedStrokes() const { return m_bStrokesUnsaved; }

    // How the picture viewer is run (tests look at it without a modal loop).
    using ViewerRunner = std::function<void(BigPic&)>;
    void SetViewerRunner(ViewerRunner runner) { m_runViewer = std::move(runner); }
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
    // The stream receiver's frame callback: decodes the frame and queues the picture for display.
    static int32_t FrameCallback(StreamReceiver* receiver, StreamFrameInfo* info, uint8_t* data, int32_t length,
                                 void* window);
    // The player's release callback: gives a shown (or dropped) picture back to the decoder.
    static void TEGMO_API ReleaseYUVCallback(TEGMO_YUV_FRAME* frame, void* window);

    // --- CUdpOwner (camera link threads) --------------------------------------------------------
    void AddHeartbeat() override;
    void PostCameraKey(int code) override;
    bool IsDeleteConfirmOpen() const override;
    int AnswerDeleteConfirm(int answer) override;

    // --- Report printing: the print view's steps, and what is printed --------------------------
    int OnBeginPrinting(QPainter& dc, CPrintInfo& info) override;
    int OnPrintPage(QPainter& dc, CPrintInfo& info) override;
    int OnEndPrinting(QPainter& dc, CPrintInfo& info) override;
    CReportPage m_report;  // m_fontReport and the report's metrics
    int m_nPrintCount = 0;
    QString m_strPrintPath[4];
    QPointer<CPrintFrame> m_pPrintFrame;

    // --- State (names as the rest of the application knows them) -------------------------------
    int m_nCameraType = 0;  // CAMERA_STREAM, CAMERA_PICTURE or 0
    int m_bMediaReady = 0;
    int m_nLiveState = 0;  // 0 idle, 1 live, 2 frozen
    int m_nPenWidthIdx = 1;
    int m_nColorIdx = 0;
    TEGMO_DEC_HANDLE m_hDecoder = 0;
    TEGMO_PLAY_HANDLE m_hPlayer = 0;
    StreamReceiver* m_pReceiver = nullptr;
    int m_bConnected = 0;
    std::atomic<int> m_nHeartbeat{0};
    int m_bStreamEnabled = 0;
    int m_bJpegDisplay = 0;
    int m_nJpegCount = 0;
    std::atomic<int> m_bDeleteConfirm{0};
    int m_nCurIndex = 0;
    _USER_INFO m_curPatient = {};
    std::atomic<uint64_t> m_nTicks{0};
    int m_bPickMode = 0;
    int m_nPickCount = 0;
    int m_nPicked[4] = {999, 999, 999, 999};

    // --- Picture review and annotation ----------------------------------------------------------
    // Slot 0 is the picture of single view and the left-top quadrant of split view; 999 and an
    // empty path mark an empty slot. Paths are the records' logical paths.
    int m_bSplit = 0;
    int m_nActivePane = 0;
    int m_nPaneIndex[4] = {999, 999, 999, 999};
    QString m_strPanePath[4];
    QImage m_imgPane;     // the picture last drawn into a pane
    PictureDecodeAhead m_decodeAhead;  // pane 0's next picture, decoded while a delete rewrites the lists
    QSize m_szPicture;    // size of the undo pictures: the picture's own (single), the area's (split)
    QPoint m_ptLabel;     // where the last picture number was drawn
    int m_nCursorKind = 0;     // 0 none yet, 1 arrow, 2 drawing cursor
    int m_nStrokePoints = 0;   // 0 no stroke under way, else 1 + the segments drawn

    // One state of the picture area: the picture as displayed (24-bit, m_szPicture) and the
    // slots it was drawn from.
    struct HistoryEntry {
        QImage image;
        int activePane = 0;
        int paneIndex[4] = {999, 999, 999, 999};
        QString panePath[4];
    };
    static constexpr int kHistorySize = 32;
    HistoryEntry m_history[kHistorySize];
    int m_nHistLevel = 0;

    // The hit test: quadrant 1..4 whose rectangle strictly contains a point of the window's
    // client area, 0 outside the picture area or on a quadrant border.
    int HitQuadrant(QPoint client) const;
    // Fills the slots from store index k downwards and draws them (see ShowNewestPictures).
    void ShowPictures(int k);

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

    // The two status lines as they are drawn for the current connection state.
    QString StatusText() const;
    QString StatusText2() const;
    // Timer 1, the connection watchdog, is running.
    bool WatchdogActive() const { return m_timer.isActive(); }

    CListImageCtrl* ThumbList() const { return m_list; }
    CPicturePane* Pane(int id) const;

protected:
    // Every way of ending the run (Exit, Enter, Esc, closing the window) comes here: unsaved
    // work is asked about first, and the run goes on when the user cancels.
    void done(int result) override;
    void customEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
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

private:
    void CreateControls();
    void ApplyLayout(int width, int height);
    void RunUserList();
    void FillPatientPanel();
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
    void DrawStatus(int connected);
    // The live view's receiver on the configured video port and bind address (null on failure,
    // which is reported once).
    StreamReceiver* CreateReceiver();
    // The native window the player draws into: pane 1098 bound for video (0 where the platform
    // has no native windows).
    TEGMO_PLAY_WINDOW VideoWindow();
    // Pane 1098 is on screen while it has something to show: live video (or the frozen frame)
    // or a picture drawn with Qt; otherwise the panes below it show the patient's pictures.
    void UpdateLivePane();
    void OnCameraKey(int code);
    void EnableButtons(std::initializer_list<int> ids, bool enable);
    int AnswerDeleteConfirmNow(int answer);

    // Review and annotation (kavimodlg_review.cpp).
    void InitPictureState();
    int DrawPane(int q);
    void DrawEmptyPane(const QRect& target);
    void UncoverPictureArea(const QRect& target);
    void DrawStrokeSegment(QPoint from, QPoint to);
    QImage CaptureView() const;
    void CaptureEntry(int e);
    void StoreEntryState(int e);
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

    ViewerRunner m_runViewer;
    FilesChooser m_chooseImportFiles;
    FolderChooser m_chooseExportFolder;
    PacsSender* m_pacs = nullptr;
    // A picture was stored (Freeze, Snap, Import, Save): tells the archive's sender.
    void PictureStored(const std::string& logicalPath);
    // The logical paths the archive entries work on.
    std::vector<std::string> PicturesForArchive() const;
    Clock m_clock;
    SnapshotWriter m_writeSnapshot;
    QImage m_imgWork;  // single view: pane 0's picture at its own size with the strokes drawn on it
    bool m_bPictureLoaded = false;   // pane 0's file was decoded when it was last drawn
    bool m_bStrokesUnsaved = false;  // strokes drawn since the picture was shown or last saved
    QString m_strStoredDiagnosis;    // the diagnosis box's text as it was last loaded or stored
    bool m_bAskingToClose = false;
    QString m_strSnapshotError;      // why the frozen frame could not be written ("" when it was)
    QPoint m_ptDraw;   // the drawing position of the stroke under way (pane coordinates)
    QSize m_szDrawnArea;  // the size of the picture area the panes were drawn for
    std::atomic<bool> m_bClosing{false};  // teardown has begun: the camera link gets no answers
    QPushButton* Button(int id) const;

    RecordStore& m_store;
    QString m_settingsFile;
    QHash<QString, QString> m_settingsOverrides;
    CUdp& m_udp;
    UserListRunner m_runUserList;
    CTickThread m_tickThread;
    QTimer m_timer;  // timer 1
    QTimer m_rebuildSoon;        // the store's rebuild after a delete or a capture
    uint64_t m_uRebuildUid = 0;  // the patient it is for
    int m_nWatchTicks = 0;       // ticks since the last connection check
    int m_nHeartbeatSeen = 0;    // heartbeat counter at the last check
    int m_nJpegCountSeen = 0;    // pictures taken in at the last check
    bool m_bInitialised = false;
    bool m_bTornDown = false;
    bool m_bJpegDisplayStarted = false;
    bool m_bReceiverFailureShown = false;

    QLabel* m_statusImage = nullptr;
    QTextEdit* m_disease = nullptr;
    CListImageCtrl* m_list = nullptr;
    CPicturePane* m_pane1 = nullptr;  // 1098
    CPicturePane* m_pane2 = nullptr;  // 1096
    CPicturePane* m_pane3 = nullptr;  // 1097
};
