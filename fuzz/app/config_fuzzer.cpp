// The settings: arbitrary bytes as kavimo.ini, and as command-line arguments and environment
// values, resolved as at start-up. Every result is either an error with its reason or a
// configuration whose ports and addresses are usable.
//
// Input: the settings file's content up to the first two NUL bytes; after them, NUL-separated
// words: those that start with "KAVIMO_" and hold "=" go to the environment, the others are
// arguments.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/settings/appconfig.h"
#include "platform/net.h"

namespace {

QTemporaryDir* g_dir = nullptr;
int g_counter = 0;

void Check(bool condition) {
    if (!condition) std::abort();
}

bool Address(const std::string& text) {
    uint32_t ignored = 0;
    return platform::ParseIPv4(text, &ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    g_dir = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/kavimo-config-fuzz-XXXXXX"));
    if (!g_dir->isValid()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const int split = bytes.indexOf(QByteArray("\0\0", 2));
    const QByteArray ini = split < 0 ? bytes : bytes.left(split);

    QStringList args{QStringLiteral("kavimo")};
    QProcessEnvironment env;
    if (split >= 0) {
        for (const QByteArray& word : bytes.mid(split + 2).split('\0')) {
            const QString text = QString::fromLocal8Bit(word);
            const int equals = text.indexOf(QLatin1Char('='));
            if (text.startsWith(QLatin1String("KAVIMO_")) && equals > 0)
                env.insert(text.left(equals), text.mid(equals + 1));
            else
                args << text;
        }
    }

    // A new name each time: the settings class keeps what it read of a file by its name.
    const QString path = g_dir->filePath(QStringLiteral("kavimo%1.ini").arg(++g_counter));
    {
        QFile file(path);
        Check(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
    }
    AppConfig config;
    const ConfigResult result = ResolveConfig(args, env, path, &config);
    QFile::remove(path);

    if (result.status == ConfigResult::Error || result.status == ConfigResult::Help) {
        Check(!result.text.isEmpty());
        return 0;
    }
    const CameraLinkConfig& c = config.camera;
    Check(Address(c.streamCameraIp) && Address(c.pictureCameraIp) && Address(c.localBindIp));
    Check(c.streamCameraPort != 0 && c.pictureCameraPort != 0 && c.pictureTcpPort != 0);
    // Outside the demo, a camera on this machine never sits on the program's own port.
    if (config.demo == AppConfig::Demo::Off) {
        Check(!platform::IsLoopbackAddress(c.streamCameraIp) || c.streamCameraPort != c.streamLocalPort);
        Check(!platform::IsLoopbackAddress(c.pictureCameraIp) || c.pictureCameraPort != c.pictureLocalPort);
    }
    return 0;
}
