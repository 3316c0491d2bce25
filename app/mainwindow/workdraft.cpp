#include "app/mainwindow/workdraft.h"
#include "app/widgets/translation.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr quint32 kMagic = 0x4B564446;  // "KVDF"
constexpr quint32 kVersion = 1;
const QString kFileName = QStringLiteral("unsaved-work.draft");

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The state directory, made private to the user when it is new.
bool MakeStateDir(const QString& dir, QString* error) {
    const QFileInfo info(dir);
    if (!QDir().mkpath(info.absolutePath())) {
        *error = Ui::tr("cannot make %1").arg(info.absolutePath());
        return false;
    }
    if (::mkdir(QFile::encodeName(dir).constData(), 0700) != 0 && errno != EEXIST) {
        *error = Ui::tr("cannot make %1: %2").arg(dir, SystemError(errno));
        return false;
    }
    return true;
}

bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= n;
    }
    return true;
}

}  // namespace

QString WorkDraft::FilePath(const QString& stateDir) { return stateDir + QLatin1Char('/') + kFileName; }

bool WorkDraft::Write(const QString& stateDir, QString* error) const {
    QByteArray picture;
    if (HasStrokes()) {
        QBuffer buffer(&picture);
        buffer.open(QIODevice::WriteOnly);
        if (!annotated.save(&buffer, "PNG")) {
            *error = Ui::tr("the picture with the strokes cannot be encoded");
            return false;
        }
    }
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << kMagic << kVersion << quint64(uid) << patientName << savedAt.toMSecsSinceEpoch() << hasDiagnosis
            << diagnosis << picturePath << picture;
    }
    if (!MakeStateDir(stateDir, error)) return false;

    // A temporary file (mkostemp makes it 0600) renamed over the draft: whole or not there.
    const QByteArray target = QFile::encodeName(FilePath(stateDir));
    QByteArray temp = QFile::encodeName(stateDir + QStringLiteral("/.") + kFileName + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = Ui::tr("cannot write in %1: %2").arg(stateDir, SystemError(errno));
        return false;
    }
    bool ok = ::fchmod(fd, 0600) == 0 && WriteAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    const int saved = errno;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.constData(), target.constData()) == 0) return true;
    *error = Ui::tr("cannot write %1: %2").arg(FilePath(stateDir), SystemError(ok ? errno : saved));
    ::unlink(temp.constData());
    return false;
}

bool WorkDraft::Read(const QString& stateDir) {
    QFile file(FilePath(stateDir));
    if (!file.open(QIODevice::ReadOnly)) return false;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0, version = 0;
    quint64 patient = 0;
    qint64 when = 0;
    QByteArray picture;
    in >> magic >> version;
    if (magic != kMagic || version != kVersion) return false;
    in >> patient >> patientName >> when >> hasDiagnosis >> diagnosis >> picturePath >> picture;
    if (in.status() != QDataStream::Ok) return false;
    uid = patient;
    savedAt = QDateTime::fromMSecsSinceEpoch(when);
    annotated = picture.isEmpty() ? QImage() : QImage::fromData(picture, "PNG");
    return uid != 0;
}

void WorkDraft::Remove(const QString& stateDir) { QFile::remove(FilePath(stateDir)); }
