// Reading and writing the patient's picture files for the main window's picture commands: paths
// between the records' logical form and the host, encoding, safe replacement, and the time value
// that names imported pictures.
#pragma once

#include <QByteArray>
#include <QFuture>
#include <QImage>
#include <QString>

class QImageReader;

#include <ctime>

#include "platform/dirlist.h"

struct _DISE_PIC;

// The host path of a picture: a logical d: path is mapped to the drive's host directory (empty
// when it would leave the drive); any other path is taken as a host path already.
QString HostPathOf(const QString& path);

// The logical path held in a picture record (8-bit text up to its NUL).
QString PicturePathText(const _DISE_PIC& picture);

// The file name of a logical or host path: what follows the last backslash or slash.
QString FileNameOf(const QString& path);

// Encodes a picture in the format its file name's extension names ("jpg", "bmp", "png", ...);
// JPEG at quality 90. False with the reason.
bool EncodePicture(const QImage& picture, const QString& suffix, QByteArray* data, QString* error);

// Prepares a reader of a picture file before anything is decoded: Qt's allocation limit is set
// to what a picture of dicom::kMaxPicturePixels needs, and a picture whose header claims more
// pixels than that is refused ("the picture claims W × H pixels, more than kavimo opens").
// False with the reason. Safe on any thread.
bool CheckPictureSize(QImageReader& reader, QString* error);

// The path a picture file is opened by. A file inside the work directory is taken only when it
// is a regular file whose links, resolved, keep it inside: a link planted in a patient's folder
// to a file elsewhere is refused, empty with the reason. The resolved path is returned, so that
// the file read is the one checked. A file outside the work directory is returned as it is.
QString PictureFileToOpen(const QString& hostPath, QString* error);

// Decodes a picture file as QImage::load does, within that limit, after PictureFileToOpen. Null
// with the reason; never throws.
QImage ReadPictureFile(const QString& hostPath, QString* error);

// Reads a whole file. False with the reason.
bool ReadWholeFile(const QString& hostPath, QByteArray* data, QString* error);

// Replaces (or creates) a file with the data as a whole: the data goes to a temporary file beside
// it that takes the file's place only once completely written, so a failed write leaves the
// previous file as it was. False with the reason.
bool ReplaceFile(const QString& hostPath, const QByteArray& data, QString* error);

// The local time of a time value.
std::tm LocalTimeOf(std::time_t t);

// Advances the time value that names imported pictures by one second: the seconds wrap into the
// minute, the minutes into the hour, and the hour from 24 to 0 without touching the date.
void AdvanceImportTime(std::tm* value);

// One picture file decoded on a thread of its own, for a pane about to show it: started before
// work that keeps the user-interface thread busy (a delete's rewrite of the lists), taken after.
class PictureDecodeAhead {
public:
    void Start(const QString& hostPath);
    // The picture decoded ahead for this path, while its file is still the one that was decoded
    // (same size, modification and creation time). Either way nothing stays held afterwards.
    bool Take(const QString& hostPath, QImage* picture);

private:
    struct Decoded {
        QImage picture;
        platform::FileInfo file;  // the file's status as it was before the decode
    };
    static bool SameFile(const platform::FileInfo& a, const platform::FileInfo& b);

    QString m_path;
    QFuture<Decoded> m_decoded;
};
