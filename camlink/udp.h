// CUdp: the application's link to its camera.
//
// Two kinds of WiFi camera are supported. The stream camera takes commands on UDP and sends its
// replies, heartbeats and button events back to the application's command port; its video is
// received elsewhere (the stream receiver). The picture camera answers commands on UDP and sends
// JPEG pictures over a TCP connection that the application opens to it (the picture channel).
//
// Threads:
//   - the user-interface thread calls Init, the probes, the picture channel's start/stop/release,
//     RequestPictureFile and reads the flags;
//   - ListenThread7777 and ListenThread5000 receive command datagrams and call the owner;
//     each takes datagrams only from its own camera's address (see ListenLoop);
//   - PictureThread keeps the TCP picture channel up and takes pictures in.
// Flags shared between them are atomics; the few texts (camera name, saved and requested paths)
// are guarded by a small lock and handed over by the flags as described at each member.
//
// Every thread can be stopped: the destructor stops them all, Close stops the listeners and
// ReleasePictureChannel the picture thread, so that no thread ever touches a closed socket or a
// freed block.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "camlink/cameraprotocol.h"
#include "camlink/camlinkconfig.h"
#include "platform/net.h"
#include "records/recordnotifier.h"

class RecordStore;
struct sockaddr_in;

// Camera types as the main window keeps them (0: no camera answered).
constexpr int CAMERA_STREAM = 1;
constexpr int CAMERA_PICTURE = 2;

// The main window, as the camera link sees it. Called on the listener threads; no call may block
// on the user-interface thread (SetOwner waits for a call in progress to return).
class CUdpOwner {
public:
    virtual ~CUdpOwner() = default;
    // A stream camera's heartbeat arrived: add 1 to the window's heartbeat counter m_nHeartbeat.
    virtual void AddHeartbeat() = 0;
    // Hand camera key `code` (0x51..0x55) to the window's own thread: posted to its event queue,
    // never handled synchronously on the listener thread.
    virtual void PostCameraKey(int code) = 0;
    // The window's delete confirmation ("Picture delete") is open (m_bDeleteConfirm).
    virtual bool IsDeleteConfirmOpen() const = 0;
    // Answer the open delete confirmation: 'y' (121) presses Yes, 'n' (110) presses No.
    virtual int AnswerDeleteConfirm(int answer) = 0;
};

// A source of bytes for the picture loop: the TCP connection in the product, memory in the
// fuzzer. Read returns the number of bytes read (> 0), 0 when the peer closed the connection,
// -1 on an error or when the link is being stopped.
class CUdpByteSource {
public:
    virtual ~CUdpByteSource() = default;
    virtual long Read(uint8_t* buffer, size_t capacity) = 0;
};

// The latest preview picture, handed from the picture thread to the main window. The picture
// thread writes it only while m_bPreviewReady is clear; the main window reads Data()/Size() after
// it has seen m_bPreviewReady set and clears the flag when it has taken the picture.
class CPreviewStream {
public:
    CPreviewStream();
    const uint8_t* Data() const { return m_block.get(); }
    uint32_t Size() const { return m_size.load(std::memory_order_acquire); }

private:
    friend class CUdp;
    std::unique_ptr<uint8_t[]> m_block;  // 1048576 bytes
    std::atomic<uint32_t> m_size{0};
};

class CUdp {
public:
    explicit CUdp(const CameraLinkConfig& config = CameraLinkConfig());
    ~CUdp();
    CUdp(const CUdp&) = delete;
    CUdp& operator=(const CUdp&) = delete;

    // --- Wiring, before Init -------------------------------------------------------------------
    // The application's 64-bit tick counter (raised every 100 ms by its tick thread); the probes
    // wait on it. Without one they measure 100 ms ticks themselves.
    void SetTickCounter(const std::atomic<uint64_t>* ticks) { m_pTicks = ticks; }
    // Message boxes ("bind rxsocket err"); null: standard error, as the records store does.
    void SetNotifier(RecordNotifier* notifier) { m_pNotifier = notifier; }
    // The application's records store: its current patient's directory receives the pictures.
    // GetCurrentUser is called on the picture thread (the store locks itself for it).
    void SetRecordStore(RecordStore* store) { m_pStore = store; }
    const CameraLinkConfig& Config() const { return m_config; }

    // The receiver of events (m_pOwner); null stops events. Returns only when no owner call is
    // in progress any more, so the owner may be destroyed right after SetOwner(nullptr).
    void SetOwner(CUdpOwner* owner);

    // --- Command channel -----------------------------------------------------------------------
    // Opens the four UDP sockets, starts the listeners and the picture thread. 1 on success;
    // 0 after a failed bind ("bind rxsocket err" shown), leaving what was started running.
    // Called once; a second call returns 0 and does nothing.
    int Init(int unused = 0);
    int SendStreamCameraCommand(uint32_t code, uint32_t arg1, uint32_t arg2);
    int SendPictureCameraCommand(uint32_t code, uint32_t arg1, uint32_t arg2);
    // 1 when the camera answered identify before the tick counter advanced by 3; 0 otherwise.
    int ProbeStreamCamera();
    int ProbePictureCamera();
    // Without waiting: sends the identify command to both cameras (a camera switched on after the
    // start is found this way). ProbeAnswer then says which camera answered since: CAMERA_STREAM
    // (preferred when both did), CAMERA_PICTURE or 0.
    void StartProbe();
    int ProbeAnswer() const;
    // Stops the listener threads and closes the four UDP sockets.
    void Close();

    // The local ports the receiving sockets are bound to (the configured ones, or what the
    // kernel chose for port 0); 0 before Init.
    uint16_t LocalCommandPort() const { return m_nLocalPort7777; }
    uint16_t LocalPictureReplyPort() const { return m_nLocalPort5000; }
    // m_cameraInfo up to its first NUL (at most 32 bytes of 8-bit text): the camera's name.
    std::string CameraInfo() const;
    // Datagrams both listeners dropped because they came from another address than their
    // camera's, since Init. Any thread.
    uint64_t ForeignDatagrams() const { return m_foreign.Total(); }

    // --- Picture channel -----------------------------------------------------------------------
    int StartPictureChannel();
    int StopPictureChannel();
    // Stops the picture thread, releases the preview block and closes the UDP sockets.
    int ReleasePictureChannel();
    // Asks the picture thread to write the next received picture into a new time-stamped file
    // in the current patient's directory. 1 when the request is placed; 0 (nothing requested)
    // when there is no current patient.
    int RequestPictureFile();
    // The caller's side of a placed request (RequestPictureFile returned 1): waits, polling on
    // the calling thread, while m_bDumpNext is set, at most `maxTicks` ticks of the tick counter
    // (the freeze uses 20). True with the written file's logical path; false after the
    // time-out, with the request withdrawn.
    bool WaitForPictureFile(uint64_t maxTicks, std::u16string* path);
    // m_strSavedPath: the logical path of the file SaveJpeg wrote; valid once m_bSaved is seen set.
    std::u16string SavedPath() const;
    // m_strDumpPath: the file the last request was (or is to be) written to.
    std::u16string DumpPath() const;
    const CPreviewStream* PreviewStream() const { return m_pPreviewStream.get(); }

    // Stops all three threads (they are not restarted). Used by the destructor and tests.
    void StopThreads();

    // --- Seams without sockets (the listeners and the picture thread are built on them) --------
    enum class ListenPort { Port7777, Port5000 };
    // Reads the text datagram that follows an identify reply into `buffer` (at most 32 bytes);
    // its length, or -1 when none came.
    using ReadTextFn = long (*)(void* context, uint8_t* buffer, size_t capacity);
    // Acts on one received datagram as the listener of `port` does. False for a datagram that is
    // not a 16-byte command (the listener then loops at once).
    bool HandleCommandDatagram(ListenPort port, const uint8_t* data, size_t length, ReadTextFn readText, void* context);
    enum class SessionEnd { ReadFailed, Disabled, Stopped };
    // Runs the picture loop over one connection until a read fails, the channel is disabled
    // after a picture, or the link is stopped.
    SessionEnd RunPictureSession(CUdpByteSource& source);

    // --- State shared with the main window (names as the main window knows them) --------------
    std::atomic<uint32_t> m_cameraValue{0};      // third word of the last identify reply
    std::atomic<int> m_bReplied{0};              // an identify reply arrived
    std::atomic<bool> m_bStreamAnswered{false};  // the stream camera answered since StartProbe
    // Which listener took the last identify reply: 1 the stream camera's command port, 2 the
    // picture camera's reply port (0: none since the probe began).
    std::atomic<int> m_nReplyPort{0};
    std::atomic<int> m_bListen{0};         // the listeners work while set
    std::atomic<int> m_bPreviewReady{0};   // a preview waits in m_pPreviewStream
    std::atomic<int> m_bPictureEnable{0};  // the picture channel may run
    std::atomic<int> m_nConnectFails{1};   // failed connection attempts since the last success
    std::atomic<int> m_bSaved{0};          // SaveJpeg wrote m_strSavedPath; the window clears
    std::atomic<int> m_bDumpNext{0};       // write the next picture to m_strDumpPath
    std::atomic<int> m_nDumpError{0};      // errno of the last failed write of a requested picture

private:
    // What the identify reply's text is read with: the listener's socket and whom it hears.
    struct TextSource {
        CUdp* link;
        int fd;
        ListenPort port;
    };

    void ListenThread7777();
    void ListenThread5000();
    void ListenLoop(int fd, ListenPort port);
    // True when the datagram's sender address is the camera `port` listens to.
    bool FromCamera(ListenPort port, const sockaddr_in& from) const;
    // Counts a datagram from another address and says so in the log, at most once a minute.
    void DropForeign(ListenPort port, const sockaddr_in& from);
    // ReadTextFn of the listeners: the next datagram from the camera within kCameraTextWaitMs.
    static long ReadCameraText(void* context, uint8_t* buffer, size_t capacity);
    void PictureThread();
    void SaveJpeg();
    bool WriteDumpFile(const uint8_t* data, uint32_t length);
    int Probe(bool streamCamera);
    // Fills m_cmdOut and sends it from `socket` to ip:port; returns the code.
    int SendCommand(int socket, const std::string& ip, uint16_t port, uint32_t code, uint32_t arg1, uint32_t arg2);
    uint64_t Ticks() const;
    bool SleepUnlessStopped(const std::atomic<bool>& stop, unsigned ms) const;
    void Notify(const std::string& text);
    bool CurrentPatientDir(std::string* dirLogical) const;
    uint32_t NowMs() const;
    void CloseSockets();
    void StopListeners();
    void StopPictureThread();

    CameraLinkConfig m_config;
    const std::atomic<uint64_t>* m_pTicks = nullptr;
    RecordNotifier* m_pNotifier = nullptr;
    RecordStore* m_pStore = nullptr;

    std::mutex m_ownerLock;  // held while an owner call is made
    CUdpOwner* m_pOwner = nullptr;

    int m_sockSend7777 = -1;
    int m_sockRecv7777 = -1;
    int m_sockSend6000 = -1;
    int m_sockRecv5000 = -1;
    uint16_t m_nLocalPort7777 = 0;
    uint16_t m_nLocalPort5000 = 0;
    bool m_bInitialised = false;

    mutable std::mutex m_textLock;  // guards the texts and the command buffers below
    uint8_t m_cmdOut[camlink::kCommandDatagramSize] = {};
    uint8_t m_cmdIn[camlink::kCommandDatagramSize] = {};
    uint8_t m_cameraInfo[camlink::kCameraInfoSize] = {};
    std::u16string m_strSavedPath;
    std::u16string m_strDumpPath;

    // Picture channel (picture thread only, but for the preview block).
    std::unique_ptr<uint8_t[]> m_picBuf[2];
    int m_nPicBuf = 0;
    int32_t m_nPicLen = 0;
    std::unique_ptr<CPreviewStream> m_pPreviewStream;
    uint8_t* m_hPreview = nullptr;  // the block of m_pPreviewStream
    bool m_bRateWindowOpen = false;
    uint32_t m_nRateWindowStart = 0;
    uint32_t m_nPreviewCount = 0;

    platform::SenderAddress m_streamSource;   // the stream camera's (listener of the command port)
    platform::SenderAddress m_pictureSource;  // the picture camera's (listener of the reply port)
    platform::ForeignSenderCount m_foreign;   // datagrams both listeners turned away

    std::atomic<bool> m_bStopListeners{false};
    std::atomic<bool> m_bStopPicture{false};
    std::thread m_listen7777;
    std::thread m_listen5000;
    std::thread m_picture;
};
