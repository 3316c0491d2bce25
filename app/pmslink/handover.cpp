#include "app/pmslink/handover.h"
#include "app/widgets/translation.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>

#include <sys/stat.h>

#include "platform/debug.h"

namespace {

// A sender that stays silent is dropped after this long.
constexpr int kReadTimeoutMs = 5000;

}  // namespace

QString HandoverSocketPath(const QString& hostWorkDir) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime) || !QFileInfo(runtime).isDir()) return QString();
    const QString canonical = QFileInfo(hostWorkDir).canonicalFilePath();
    const QByteArray digest =
        QCryptographicHash::hash((canonical.isEmpty() ? hostWorkDir : canonical).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return runtime + QStringLiteral("/kavimo-") + QString::fromLatin1(digest) + QStringLiteral(".socket");
}

HandoverServer::HandoverServer(QObject* parent) : QObject(parent) {
    connect(&m_server, &QLocalServer::newConnection, this, &HandoverServer::OnNewConnection);
}

HandoverServer::~HandoverServer() {
    m_server.close();
    if (!m_path.isEmpty()) QLocalServer::removeServer(m_path);
}

bool HandoverServer::Listen(const QString& path, QString* error) {
    if (path.isEmpty()) {
        *error = Ui::tr("there is no runtime directory (XDG_RUNTIME_DIR)");
        return false;
    }
    QLocalServer::removeServer(path);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(path)) {
        *error = m_server.errorString();
        return false;
    }
    ::chmod(QFile::encodeName(path).constData(), 0600);
    m_path = path;
    return true;
}

void HandoverServer::OnNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        QPointer<QLocalSocket> guard(socket);
        QTimer::singleShot(kReadTimeoutMs, this, [guard] {
            if (guard && guard->property("kavimoRequest").isNull()) guard->abort();
        });
    }
}

void HandoverServer::Answer(QLocalSocket* socket, const QByteArray& line) {
    socket->write(line + '\n');
    socket->flush();
    socket->disconnectFromServer();
}

void HandoverServer::OnReadyRead(QLocalSocket* socket) {
    if (!socket->property("kavimoRequest").isNull()) return;  // answered or being answered
    QByteArray buffer = socket->property("kavimoBuffer").toByteArray();
    buffer += socket->read(qint64(pms::kMaxHandoverBytes) + 1 - buffer.size());
    socket->setProperty("kavimoBuffer", buffer);
    const bool complete = buffer.endsWith("\nend\n");
    if (!complete && buffer.size() <= qsizetype(pms::kMaxHandoverBytes)) return;
    socket->setProperty("kavimoRequest", true);

    pms::PatientRequest request;
    std::vector<std::string> show;
    std::string problem;
    if (complete) {
        if (pms::ParseHandover(buffer.toStdString(), &request, &show, &problem)) {
            problem =
                pms::RequestProblem(request, QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString());
        }
    } else {
        problem = "the message is too long";
    }
    if (!problem.empty()) {
        platform::DebugWarning("kavimo: a patient handed over was refused: %s\n", problem.c_str());
        Answer(socket, "refused " + QByteArray::fromStdString(problem));
        return;
    }
    if (m_busy || !m_handler) {
        Answer(socket, "refused kavimo is still answering an earlier patient");
        return;
    }
    // The handler may ask about unsaved work in a nested loop: it runs after this slot returns.
    QPointer<QLocalSocket> guard(socket);
    m_busy = true;
    QTimer::singleShot(0, this, [this, guard, request, show] {
        uint64_t uid = 0;
        const QString refused = m_handler(request, show, &uid);
        m_busy = false;
        if (!guard) return;
        Answer(guard, refused.isEmpty() ? QByteArrayLiteral("ok UID") + QByteArray::number(quint64(uid))
                                        : QByteArrayLiteral("refused ") + refused.toUtf8());
    });
}

HandoverResult HandOverPatient(const QString& path, const pms::PatientRequest& request,
                               const std::vector<std::string>& show, int answerTimeoutMs) {
    HandoverResult result;
    if (path.isEmpty()) {
        result.text = Ui::tr("there is no runtime directory (XDG_RUNTIME_DIR)");
        return result;
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(3000)) {
        result.text = socket.errorString();
        return result;
    }
    socket.write(QByteArray::fromStdString(pms::HandoverText(request, show)));
    socket.flush();
    QByteArray answer;
    QDeadlineTimer deadline(answerTimeoutMs);
    while (!answer.contains('\n') && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)))) {
            if (socket.state() != QLocalSocket::ConnectedState) break;
            continue;
        }
        answer += socket.read(1024 - answer.size());
    }
    answer += socket.readAll().left(qMax<qsizetype>(0, 1024 - answer.size()));
    const QByteArray line = answer.left(answer.indexOf('\n'));
    if (line.startsWith("ok UID")) {
        result.status = HandoverResult::Status::Taken;
        result.uid = line.mid(6).toULongLong();
        return result;
    }
    result.status = line.startsWith("refused ") ? HandoverResult::Status::Refused : HandoverResult::Status::Unreachable;
    result.text =
        line.startsWith("refused ") ? QString::fromUtf8(line.mid(8)) : Ui::tr("the running kavimo did not answer");
    return result;
}
