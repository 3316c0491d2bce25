// The demo mode's camera: the camera simulator kavimo-camsim run as a child process on
// 127.0.0.1, playing a stream camera (live H.264 video, heartbeats, keys) or a picture camera
// (JPEG previews and captured pictures over TCP).
//
// How it is wired, in this order:
//   1. Start(): picks a free local video port, starts the simulator with every socket on
//      127.0.0.1 and kernel-chosen ports, and reads its ports from its "camsim ready" line;
//   2. Configure(): points the camera link's configuration at it (every address 127.0.0.1, the
//      program's own command and reply ports 0, so the kernel chooses them);
//   3. Connect(): once the camera link is initialised, tells the simulator the ports it got.
// The simulator ends when this object goes (and, through --exit-on-stdin-eof, when the program
// ends in any other way: its standard input closes with the process).
//
// User-interface thread only.
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>

#include "camlink/camlinkconfig.h"

class CUdp;

class CDemoCamera : public QObject {
    Q_OBJECT
public:
    enum class Kind { Stream, Picture };

    struct Options {
        Kind kind = Kind::Stream;
        int width = 1280;  // the stream camera's picture size and rate
        int height = 720;
        int fps = 30;
        bool video = true;           // false: the stream camera sends no video of its own
        QStringList extraArguments;  // appended to the simulator's command line
    };

    explicit CDemoCamera(const Options& options, QObject* parent = nullptr);
    ~CDemoCamera() override;

    // kavimo-camsim next to the running program, else the one on the PATH; the one next to the
    // program (which Start then reports missing) when there is neither.
    static QString DefaultProgram();

    // Starts the simulator and waits (at most timeoutMs) for its ready line. False with the
    // reason in *error.
    bool Start(const QString& program, QString* error, int timeoutMs = 5000);
    // Points the configuration at the simulator; the other camera kind at a local port that
    // never answers, so that nothing leaves this machine.
    void Configure(CameraLinkConfig* config) const;
    // Tells the simulator where the initialised camera link listens and waits for it to confirm.
    bool Connect(const CUdp& udp, QString* error, int timeoutMs = 3000);
    // Sends one command line to the simulator ("heartbeat off", "capture", ...; see its --help).
    bool Send(const QString& command);
    // Waits (at most timeoutMs) for an output line that starts with "camsim " + prefix.
    bool WaitForLine(const QString& prefix, int timeoutMs, QString* line = nullptr);
    // Ends the simulator (asks first, then terminates, then kills); safe to repeat.
    void Stop();

    bool Running() const { return m_process.state() != QProcess::NotRunning; }
    qint64 ProcessId() const { return m_process.processId(); }
    Kind CameraKind() const { return m_options.kind; }
    uint16_t CommandPort() const { return m_commandPort; }
    uint16_t PicturePort() const { return m_picturePort; }
    uint16_t VideoPort() const { return m_videoPort; }

private:
    void ReadOutput();
    bool NextLine(QString* line);

    Options m_options;
    QProcess m_process;
    QByteArray m_pending;     // output not yet split into lines
    QStringList m_lines;      // lines not yet looked at by WaitForLine
    int m_silentSocket = -1;  // a local UDP port where no camera answers
    uint16_t m_commandPort = 0;
    uint16_t m_picturePort = 0;
    uint16_t m_videoPort = 0;
};
