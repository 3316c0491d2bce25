// Writes the seed corpus of app_fuzz_picture:
//   app_fuzz_picture_seeds <directory>
// Small pictures of the kinds a user imports and the picture camera sends: JPEG (baseline,
// progressive, grey, with an orientation tag, cut short), PNG, BMP and GIF.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

namespace {

QImage TestPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xFF));
    return image;
}

QByteArray Encode(const QImage& image, const char* format, int quality = -1, bool progressive = false,
                  QImageIOHandler::Transformations transform = QImageIOHandler::TransformationNone) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.setTransformation(transform);
    if (!writer.write(image)) std::fprintf(stderr, "cannot write %s: %s\n", format, qPrintable(writer.errorString()));
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QByteArray baseline = Encode(TestPicture(24, 16), "jpeg", 80);
    const struct {
        const char* name;
        QByteArray data;
    } seeds[] = {
        {"baseline.jpg", baseline},
        {"progressive.jpg", Encode(TestPicture(40, 30), "jpeg", 60, true)},
        {"grey.jpg", Encode(TestPicture(17, 9).convertToFormat(QImage::Format_Grayscale8), "jpeg", 75)},
        {"rotated.jpg", Encode(TestPicture(32, 16), "jpeg", 70, false, QImageIOHandler::TransformationRotate90)},
        {"truncated.jpg", baseline.left(baseline.size() / 2)},
        {"picture.png", Encode(TestPicture(12, 8), "png")},
        {"picture.bmp", Encode(TestPicture(12, 8), "bmp")},
        {"picture.gif", Encode(TestPicture(8, 8), "gif")},
    };
    bool ok = true;
    for (const auto& seed : seeds) {
        if (seed.data.isEmpty()) continue;  // a format this Qt cannot write
        QFile file(dir + QLatin1Char('/') + QLatin1String(seed.name));
        ok = file.open(QIODevice::WriteOnly) && file.write(seed.data) == seed.data.size() && ok;
    }
    return ok ? 0 : 1;
}
