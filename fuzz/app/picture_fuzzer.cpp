// Picture files from outside through the decoding the program does with them: a file chosen for
// Import (the check that it is a picture, then the thumbnail's scaled read and the picture
// window's whole read) and the picture camera's JPEG data (the preview decoded from memory, the
// captured picture read back as a file). The input is the file's content.
//
// The file lives in a directory /tmp/kavimo-picture-fuzz-* of the process's own.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/pictures/pictureio.h"
#include "app/pictures/thumbnail.h"

namespace {

struct Context {
    Context() : dir(QDir::tempPath() + QStringLiteral("/kavimo-picture-fuzz-XXXXXX")) {
        if (!dir.isValid()) std::abort();
        path = dir.filePath(QStringLiteral("picture.jpg"));
    }
    QTemporaryDir dir;
    QString path;
};

Context* g_context = nullptr;

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    g_context = new Context;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QString error;
    Check(ReplaceFile(g_context->path, bytes, &error));

    // Import takes only what a reader recognises, and stores it byte for byte.
    QImageReader check(g_context->path);
    if (check.canRead()) {
        QByteArray read;
        Check(ReadWholeFile(g_context->path, &read, &error));
        Check(read == bytes);
    }

    // The thumbnail list: a picture placed within its canvas, or nothing at all.
    const QSize canvas(160, 120);
    QRect placement;
    const QImage placed = LoadPlacedPicture(g_context->path, canvas, &placement);
    if (!placed.isNull()) {
        Check(placed.size() == placement.size());
        Check(QRect(QPoint(0, 0), canvas).contains(placement));
    }

    // The picture window reads it whole.
    QImageReader whole(g_context->path);
    whole.setAutoTransform(false);
    const QImage picture = whole.read();
    if (!picture.isNull()) Check(picture.width() > 0 && picture.height() > 0);

    // The picture camera's preview, decoded from memory.
    const QImage preview = QImage::fromData(data, int(size));
    if (!preview.isNull()) Check(preview.width() > 0 && preview.height() > 0);
    return 0;
}
