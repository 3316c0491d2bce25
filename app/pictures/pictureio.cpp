#include "app/pictures/pictureio.h"
#include "app/widgets/translation.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrent>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <mutex>
#include <string>

#include "dicom/picturelimit.h"
#include "platform/debug.h"
#include "platform/paths.h"
#include "records/recordfile.h"
#include "records/recordnames.h"
#include "records/recordtypes.h"
#include "records/textconv.h"

QString HostPathOf(const QString& path) {
    const std::string text = path.toStdString();
    if (!platform::HasDriveLetter(text)) return path;
    return QString::fromStdString(platform::HostPath(text));
}

QString PicturePathText(const _DISE_PIC& picture) { return QString::fromStdString(records::FieldText(picture.path)); }

QString FileNameOf(const QString& path) {
    const int cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

bool EncodePicture(const QImage& picture, const QString& suffix, QByteArray* data, QString* error) {
    if (picture.isNull()) {
        *error = Ui::tr("there is no picture to write");
        return false;
    }
    data->clear();
    QBuffer buffer(data);
    buffer.open(QIODevice::WriteOnly);
    const QByteArray format = suffix.toLower().toLatin1();
    QImageWriter writer(&buffer, format);
    if (format == "jpg" || format == "jpeg") writer.setQuality(90);
    if (!writer.write(picture)) {
        *error = Ui::tr("cannot encode the picture as %1: %2").arg(suffix, writer.errorString());
        return false;
    }
    return true;
}

bool CheckPictureSize(QImageReader& reader, QString* error) {
    // Qt's own limit (process-wide) is lower than ours for 32-bit pixels: raised once to what
    // the largest picture kavimo opens needs, in MB, with room for a second copy while converting.
    static std::once_flag limitSet;
    std::call_once(limitSet,
                   [] { QImageReader::setAllocationLimit(int(dicom::kMaxPicturePixels * 4 / (1024 * 1024)) + 1); });
    const QSize size = reader.size();
    if (!size.isValid()) return true;  // the format tells no size first; Qt's limit still holds
    if (dicom::PictureSizeAllowed(uint64_t(size.width()), uint64_t(size.height()))) return true;
    *error = QString::fromStdString(dicom::PictureTooLargeReason(uint64_t(size.width()), uint64_t(size.height())));
    return false;
}

QString PictureFileToOpen(const QString& hostPath, QString* error) {
    if (hostPath.isEmpty()) {
        *error = Ui::tr("not on the d: drive");
        return hostPath;
    }
    const std::string workDir = platform::HostPath(records::kWorkDir);
    const std::string path = QFile::encodeName(hostPath).toStdString();
    if (workDir.empty() || path.compare(0, workDir.size() + 1, workDir + "/") != 0) return hostPath;
    std::string resolved;
    int errorNumber = 0;
    if (records::ResolveFileWithin(path, workDir, &resolved, &errorNumber)) return QFile::decodeName(resolved.c_str());
    *error = errorNumber == EXDEV    ? Ui::tr("it is a link to a file outside the work directory")
             : errorNumber == EINVAL ? Ui::tr("not a regular file")
                                     : QString::fromLocal8Bit(std::strerror(errorNumber));
    platform::DebugWarning("picture %s refused: %s\n", path.c_str(), error->toLocal8Bit().constData());
    return QString();
}

QImage ReadPictureFile(const QString& hostPath, QString* error) {
    try {
        const QString file = PictureFileToOpen(hostPath, error);
        if (file.isEmpty()) return QImage();
        QImageReader reader(file);  // as QImage::load reads it
        if (!CheckPictureSize(reader, error)) return QImage();
        QImage picture = reader.read();
        if (picture.isNull()) *error = reader.errorString();
        return picture;
    } catch (const std::exception& exception) {
        *error = QString::fromLocal8Bit(exception.what());
        return QImage();
    }
}

bool ReadWholeFile(const QString& hostPath, QByteArray* data, QString* error) {
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool ReplaceFile(const QString& hostPath, const QByteArray& data, QString* error) {
    if (hostPath.isEmpty()) {
        *error = Ui::tr("the path lies outside the d: drive");
        return false;
    }
    // Not QSaveFile: a write that fails only when its buffer is flushed (a full disk) would still
    // be renamed over the picture, leaving it cut short.
    int code = 0;
    if (!records::ReplaceFile(QFile::encodeName(hostPath).toStdString(), data.constData(), size_t(data.size()),
                              &code)) {
        *error = QString::fromLocal8Bit(std::strerror(code ? code : EIO));
        return false;
    }
    return true;
}

std::tm LocalTimeOf(std::time_t t) {
    std::tm local = {};
    localtime_r(&t, &local);
    return local;
}

void AdvanceImportTime(std::tm* value) {
    if (++value->tm_sec < 60) return;
    value->tm_sec = 0;
    if (++value->tm_min < 60) return;
    value->tm_min = 0;
    if (++value->tm_hour < 24) return;
    value->tm_hour = 0;
}

namespace {

// A pool of its own: the shared one may be busy with an archive export.
QThreadPool& DecodeAheadPool() {
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;  // lives as long as the program, as the shared pool does
        p->setMaxThreadCount(1);
        return p;
    }();
    return *pool;
}

}  // namespace

bool PictureDecodeAhead::SameFile(const platform::FileInfo& a, const platform::FileInfo& b) {
    return a.exists && b.exists && !a.isDirectory && !b.isDirectory && a.size == b.size &&
           a.modifiedNs == b.modifiedNs && a.createdNs == b.createdNs;
}

// A decode no longer wanted is let run out on its own: it holds nothing of its caller's.
void PictureDecodeAhead::Start(const QString& hostPath) {
    m_path = hostPath;
    m_decoded = QtConcurrent::run(&DecodeAheadPool(), [hostPath] {
        // The stamp is read before the decode: a file changed during it never passes for the
        // one decoded.
        Decoded decoded;
        decoded.file = platform::StatFile(QFile::encodeName(hostPath).toStdString());
        QString error;
        if (decoded.file.exists && !decoded.file.isDirectory) decoded.picture = ReadPictureFile(hostPath, &error);
        return decoded;
    });
}

bool PictureDecodeAhead::Take(const QString& hostPath, QImage* picture) {
    if (!m_decoded.isValid()) return false;
    const QFuture<Decoded> pending = m_decoded;
    m_decoded = QFuture<Decoded>();
    const QString path = m_path;
    m_path.clear();
    if (hostPath != path) return false;
    const Decoded decoded = pending.result();
    if (decoded.picture.isNull() ||
        !SameFile(decoded.file, platform::StatFile(QFile::encodeName(hostPath).toStdString()))) {
        return false;
    }
    *picture = decoded.picture;
    return true;
}
