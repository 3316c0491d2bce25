#include "app/democamera.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>

#include "camlink/udp.h"
#include "platform/debug.h"
#include "platform/net.h"

namespace {

constexpr char kLoopback[] = "127.0.0.1";
constexpr int kKeptLines = 200;

// A port the kernel has just given out on loopback and taken back: the program's video port. The
// receiver binds it again (and again after every reconnection), so it is chosen once here.
uint16_t FreeUdpPort() {
    const int fd = platform::OpenUdpSocket(kLoopback, 0, false);
    if (fd < 0) return 0;
    const uint16_t port = platform::LocalPort(fd);
    platform::CloseSocket(fd);
    return port;
}

// The value of "key=value" in a line of the simulator.
QString Field(const QString& line, const QString& key) {
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(key + QLatin1Char('='))) return word.mid(key.size() + 1);
    }
    return QString();
}

}  // namespace

CDemoCamera::CDemoCamera(const Options& options, QObject* parent) : QObject(parent), m_options(options) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);  // its errors on ours
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &CDemoCamera::ReadOutput);
}

CDemoCamera::~CDemoCamera() {
    Stop();
    if (m_silentSocket >= 0) platform::CloseSocket(m_silentSocket);
}

QString CDemoCamera::DefaultProgram() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/kavimo-camsim");
    if (QFileInfo(beside).isExecutable()) return beside;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("kavimo-camsim"));
    return onPath.isEmpty() ? beside : onPath;
}

bool CDemoCamera::Start(const QString& program, QString* error, int timeoutMs) {
    if (!QFileInfo(program).isExecutable()) {
        *error =
            QStringLiteral("the camera simulator %1 is missing (it is built and installed with kavimo)").arg(program);
        return false;
    }
    m_silentSocket = platform::OpenUdpSocket(kLoopback, 0, true);
    if (m_silentSocket < 0) {
        *error = QStringLiteral("cannot open a UDP socket on 127.0.0.1");
        return false;
    }
    m_videoPort = FreeUdpPort();

    const bool stream = m_options.kind == Kind::Stream;
    QStringList args = {stream ? QStringLiteral("--stream") : QStringLiteral("--picture"), QStringLiteral("--bind"),
                        QString::fromLatin1(kLoopback), QStringLiteral("--app"), QString::fromLatin1(kLoopback),
                        QStringLiteral("--cmd-port"), QStringLiteral("0"),
                        // The program's ports are told once its sockets are bound (Connect).
                        QStringLiteral("--app-port"), QStringLiteral("0"), QStringLiteral("--name"),
                        QStringLiteral("kavimo demo camera"), QStringLiteral("--exit-on-stdin-eof")};
    if (stream) {
        args << QStringLiteral("--video-port") << QString::number(m_videoPort) << QStringLiteral("--size")
             << QStringLiteral("%1x%2").arg(m_options.width).arg(m_options.height) << QStringLiteral("--fps")
             << QString::number(m_options.fps) << QStringLiteral("--gop") << QString::number(m_options.fps);
        if (!m_options.video) args << QStringLiteral("--no-video");
    } else {
        args << QStringLiteral("--tcp-port") << QStringLiteral("0");
    }
    args << m_options.extraArguments;

    m_process.start(program, args);
    if (!m_process.waitForStarted(timeoutMs)) {
        *error = QStringLiteral("cannot start %1: %2").arg(program, m_process.errorString());
        return false;
    }
    QString ready;
    if (!WaitForLine(QStringLiteral("ready"), timeoutMs, &ready)) {
        *error = QStringLiteral("the camera simulator did not get ready");
        Stop();
        return false;
    }
    m_commandPort = uint16_t(Field(ready, QStringLiteral("cmd_port")).toUInt());
    m_picturePort = uint16_t(Field(ready, QStringLiteral("tcp_port")).toUInt());
    if (m_commandPort == 0 || (!stream && m_picturePort == 0)) {
        *error = QStringLiteral("the camera simulator's ready line has no ports: %1").arg(ready);
        Stop();
        return false;
    }
    return true;
}

void CDemoCamera::Configure(CameraLinkConfig* config) const {
    const uint16_t silent = platform::LocalPort(m_silentSocket);
    const bool stream = m_options.kind == Kind::Stream;
    config->localBindIp = kLoopback;
    config->streamCameraIp = kLoopback;
    config->streamCameraPort = stream ? m_commandPort : silent;
    config->streamLocalPort = 0;
    config->videoPort = m_videoPort;
    config->pictureCameraIp = kLoopback;
    config->pictureCameraPort = stream ? silent : m_commandPort;
    config->pictureLocalPort = 0;
    config->pictureTcpPort = stream ? silent : m_picturePort;
}

bool CDemoCamera::Connect(const CUdp& udp, QString* error, int timeoutMs) {
    const uint16_t port = m_options.kind == Kind::Stream ? udp.LocalCommandPort() : udp.LocalPictureReplyPort();
    if (port == 0) {
        *error = QStringLiteral("the camera link is not listening");
        return false;
    }
    if (!Send(QStringLiteral("app-port %1").arg(port)) ||
        !WaitForLine(QStringLiteral("event app-port port=%1").arg(port), timeoutMs)) {
        *error = QStringLiteral("the camera simulator does not answer");
        return false;
    }
    return true;
}

bool CDemoCamera::Send(const QString& command) {
    if (m_process.state() != QProcess::Running) return false;
    const QByteArray line = command.toUtf8() + '\n';
    return m_process.write(line) == line.size();
}

void CDemoCamera::ReadOutput() {
    m_pending += m_process.readAllStandardOutput();
    for (int end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        platform::DebugPrintf("kavimo demo: %s\n", qPrintable(line));
        m_lines.append(line);
        if (m_lines.size() > kKeptLines) m_lines.removeFirst();
    }
}

bool CDemoCamera::NextLine(QString* line) {
    if (m_lines.isEmpty()) return false;
    *line = m_lines.takeFirst();
    return true;
}

bool CDemoCamera::WaitForLine(const QString& prefix, int timeoutMs, QString* found) {
    const QString wanted = QStringLiteral("camsim ") + prefix;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QString line;
        while (NextLine(&line)) {
            if (line.startsWith(wanted)) {
                if (found) *found = line;
                return true;
            }
        }
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || m_process.state() != QProcess::Running) return false;
        if (m_process.waitForReadyRead(int(left))) ReadOutput();
    }
}

void CDemoCamera::Stop() {
    if (m_process.state() == QProcess::NotRunning) return;
    Send(QStringLiteral("quit"));
    m_process.closeWriteChannel();
    if (m_process.waitForFinished(2000)) return;
    m_process.terminate();
    if (m_process.waitForFinished(1000)) return;
    m_process.kill();
    m_process.waitForFinished(1000);
}
