// The demo mode: the command line that asks for it, the simulator child it starts on loopback,
// and that the simulator never outlives the program, however the program ends.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

#include "app/democamera.h"
#include "app/settings/appconfig.h"
#include "camlink/udp.h"
#include "kavimo_version.h"

namespace {

// The process is gone (or a zombie nobody has reaped yet: it has ended all the same).
bool Ended(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return true;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close < 0 || text.mid(close + 2, 1) == "Z";
}

// The children of a process (all its threads).
QList<qint64> Children(qint64 pid) {
    QList<qint64> children;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile file(tasks.filePath(task) + QStringLiteral("/children"));
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& word : file.readAll().split(' ')) {
            if (!word.trimmed().isEmpty()) children << word.trimmed().toLongLong();
        }
    }
    return children;
}

QStringList CommandLine(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList args;
    for (const QByteArray& arg : file.readAll().split('\0')) args << QString::fromLocal8Bit(arg);
    return args;
}

}  // namespace

class DemoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void demoOptionChoosesTheSimulatedCamera();
    void demoCameraIsWiredOnLoopbackAndEndsWithItsOwner();
    void simulatorEndsWhenTheProgramIsKilled();
    void withoutADisplayOneLineAndStatusOne();
};

void DemoTest::withoutADisplayOneLineAndStatusOne() {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KAVIMO_DEBUG", "KAVIMO_LOG_FILE"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home.path() + QStringLiteral("/state"));
    const auto run = [&](const QStringList& args, QByteArray* out, QByteArray* err) {
        QProcess kavimo;
        kavimo.setProcessEnvironment(env);
        kavimo.start(QStringLiteral(KAVIMO_PATH), args);
        if (!kavimo.waitForFinished(20000)) kavimo.kill();
        *out = kavimo.readAllStandardOutput();
        *err = kavimo.readAllStandardError();
        return kavimo.exitStatus() == QProcess::NormalExit ? kavimo.exitCode() : -1;
    };
    QByteArray out, err;
    QCOMPARE(run({QStringLiteral("--drive-d"), home.path() + "/d"}, &out, &err), 1);
    QCOMPARE(err, QByteArray("kavimo needs a desktop session: no X11 or Wayland display found\n"));
    // A display that does not answer: the same line, not Qt's abort.
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":97"));
    QCOMPARE(run({QStringLiteral("--drive-d"), home.path() + "/d"}, &out, &err), 1);
    QVERIFY2(err.endsWith("kavimo needs a desktop session: no X11 or Wayland display found\n"), err.constData());
    // Help and version need no display.
    env.remove(QStringLiteral("DISPLAY"));
    QCOMPARE(run({QStringLiteral("--help")}, &out, &err), 0);
    QVERIFY(out.contains("--demo"));
    QCOMPARE(run({QStringLiteral("--version")}, &out, &err), 0);
}

void DemoTest::demoOptionChoosesTheSimulatedCamera() {
    const QProcessEnvironment env;
    AppConfig config;
    QCOMPARE(ResolveConfig({"kavimo"}, env, QString(), &config).status, ConfigResult::Ok);
    QVERIFY(config.demo == AppConfig::Demo::Off);
    QCOMPARE(ResolveConfig({"kavimo", "--demo"}, env, QString(), &config).status, ConfigResult::Ok);
    QVERIFY(config.demo == AppConfig::Demo::Stream);
    QCOMPARE(ResolveConfig({"kavimo", "--demo=picture", "--drive-d", "/tmp/x"}, env, QString(), &config).status,
             ConfigResult::Ok);
    QVERIFY(config.demo == AppConfig::Demo::Picture);
    QCOMPARE(config.driveD, QStringLiteral("/tmp/x"));
    QCOMPARE(ResolveConfig({"kavimo", "--demo=stream"}, env, QString(), &config).status, ConfigResult::Ok);
    QVERIFY(config.demo == AppConfig::Demo::Stream);
    // As --help writes it: the kind as the next argument; anything else after --demo is no kind.
    QCOMPARE(ResolveConfig({"kavimo", "--demo", "picture", "--drive-d", "/tmp/y"}, env, QString(), &config).status,
             ConfigResult::Ok);
    QVERIFY(config.demo == AppConfig::Demo::Picture);
    QCOMPARE(config.driveD, QStringLiteral("/tmp/y"));
    QCOMPARE(ResolveConfig({"kavimo", "--demo", "--drive-d", "/tmp/z"}, env, QString(), &config).status,
             ConfigResult::Ok);
    QVERIFY(config.demo == AppConfig::Demo::Stream);
    QCOMPARE(config.driveD, QStringLiteral("/tmp/z"));
    const ConfigResult bad = ResolveConfig({"kavimo", "--demo=video"}, env, QString(), &config);
    QCOMPARE(bad.status, ConfigResult::Error);
    QVERIFY(bad.text.contains(QStringLiteral("picture")));
    // A loopback camera set up wrongly for real use does not stop the demo, which replaces it.
    QCOMPARE(ResolveConfig({"kavimo", "--demo", "--loopback", "--stream-command-port", "7777"}, env, QString(), &config)
                 .status,
             ConfigResult::Ok);
    QCOMPARE(ResolveConfig({"kavimo", "--loopback", "--stream-command-port", "7777"}, env, QString(), &config).status,
             ConfigResult::Error);
    const ConfigResult help = ResolveConfig({"kavimo", "--help"}, env, QString(), &config);
    QVERIFY(help.text.contains(QStringLiteral("--demo")));
}

void DemoTest::demoCameraIsWiredOnLoopbackAndEndsWithItsOwner() {
    for (CDemoCamera::Kind kind : {CDemoCamera::Kind::Stream, CDemoCamera::Kind::Picture}) {
        qint64 pid = 0;
        {
            CDemoCamera::Options options;
            options.kind = kind;
            options.width = 320;
            options.height = 240;
            CDemoCamera camera(options);
            QString error;
            QVERIFY2(camera.Start(QStringLiteral(KAVIMO_CAMSIM_PATH), &error), qPrintable(error));
            pid = camera.ProcessId();
            QVERIFY(pid > 0);
            QVERIFY(!Ended(pid));
            QVERIFY(camera.CommandPort() != 0);
            QVERIFY(camera.VideoPort() != 0);
            if (kind == CDemoCamera::Kind::Picture) QVERIFY(camera.PicturePort() != 0);
            const QStringList args = CommandLine(pid);
            QVERIFY(args.contains(QStringLiteral("--exit-on-stdin-eof")));
            QCOMPARE(args.at(args.indexOf(QStringLiteral("--bind")) + 1), QStringLiteral("127.0.0.1"));
            QCOMPARE(args.at(args.indexOf(QStringLiteral("--app")) + 1), QStringLiteral("127.0.0.1"));

            // Every address of the camera link is loopback, its own ports the kernel's choice,
            // and the camera it is not playing points at a port where nobody answers.
            CameraLinkConfig config;
            camera.Configure(&config);
            QCOMPARE(QString::fromStdString(config.streamCameraIp), QStringLiteral("127.0.0.1"));
            QCOMPARE(QString::fromStdString(config.pictureCameraIp), QStringLiteral("127.0.0.1"));
            QCOMPARE(QString::fromStdString(config.localBindIp), QStringLiteral("127.0.0.1"));
            QCOMPARE(config.streamLocalPort, uint16_t(0));
            QCOMPARE(config.pictureLocalPort, uint16_t(0));
            QCOMPARE(config.videoPort, camera.VideoPort());
            const bool stream = kind == CDemoCamera::Kind::Stream;
            QCOMPARE(stream ? config.streamCameraPort : config.pictureCameraPort, camera.CommandPort());
            QVERIFY((stream ? config.pictureCameraPort : config.streamCameraPort) != camera.CommandPort());

            // The camera link finds the simulator once it has been told the link's port.
            CUdp udp(config);
            QCOMPARE(udp.Init(0), 1);
            QVERIFY2(camera.Connect(udp, &error), qPrintable(error));
            QCOMPARE(udp.ProbeStreamCamera(), stream ? 1 : 0);
            if (!stream) QCOMPARE(udp.ProbePictureCamera(), 1);
            QVERIFY(camera.WaitForLine(QStringLiteral("event identify answered=1"), 3000));
        }
        QVERIFY(Ended(pid));  // the owner waited for it
    }

    // A simulator that is not there is a clear error.
    CDemoCamera missing(CDemoCamera::Options{});
    QString error;
    QVERIFY(!missing.Start(QStringLiteral("/nonexistent/kavimo-camsim"), &error));
    QVERIFY(error.contains(QStringLiteral("kavimo-camsim")));
}

void DemoTest::simulatorEndsWhenTheProgramIsKilled() {
    // The program itself, held up by its first message box on the offscreen platform: the
    // simulator runs by then. Killed without any chance to clean up, it still takes the
    // simulator with it (its standard input closes).
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), home.path() + QStringLiteral("/state"));
    env.remove(QStringLiteral("KAVIMO_DEBUG"));
    env.remove(QStringLiteral("KAVIMO_LOG_FILE"));
    QProcess kavimo;
    kavimo.setProcessEnvironment(env);
    kavimo.setProcessChannelMode(QProcess::MergedChannels);
    kavimo.start(QStringLiteral(KAVIMO_PATH),
                 {QStringLiteral("--demo"), QStringLiteral("--drive-d"), home.path() + "/d"});
    QVERIFY(kavimo.waitForStarted(5000));
    // The child is the program's own copy until it has started the simulator (slow under the
    // thread sanitizer): wait for the simulator's command line.
    qint64 simulator = 0;
    QTRY_VERIFY_WITH_TIMEOUT((simulator = Children(kavimo.processId()).value(0)) != 0 &&
                                 CommandLine(simulator).value(0).endsWith(QStringLiteral("kavimo-camsim")),
                             10000);
    const QStringList args = CommandLine(simulator);
    QVERIFY2(args.value(0).endsWith(QStringLiteral("kavimo-camsim")), qPrintable(args.join(' ')));
    QVERIFY(args.contains(QStringLiteral("--stream")));
    // The program reaches its window (the work directory is made) with the simulator running.
    QTRY_VERIFY_WITH_TIMEOUT(QDir(home.path() + "/d/DentalWorkDir").exists(), 10000);
    QVERIFY(!Ended(simulator));
    // Its log is where a technician looks for it, and says which run it was.
    QFile log(home.path() + QStringLiteral("/state/kavimo/kavimo.log"));
    QVERIFY2(log.open(QIODevice::ReadOnly), qPrintable(log.fileName()));
    QVERIFY2(log.readAll().contains(" kavimo " KAVIMO_VERSION " started"), qPrintable(log.fileName()));

    ::kill(pid_t(kavimo.processId()), SIGKILL);
    QVERIFY(kavimo.waitForFinished(5000));
    QTRY_VERIFY_WITH_TIMEOUT(Ended(simulator), 3000);
}

QTEST_GUILESS_MAIN(DemoTest)
#include "demo_test.moc"
