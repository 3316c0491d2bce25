#include "app/kavimoapp.h"

#include <QApplication>
#include <QDate>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/archive/pacssender.h"
#include "app/democamera.h"
#include "app/mainwindow/kavimodlg.h"
#include "app/mainwindow/shutdownwatch.h"
#include "app/mainwindow/tickthread.h"
#include "app/notifiers.h"
#include "app/pictures/thumbnail.h"
#include "app/pmslink/handover.h"
#include "app/pmslink/transferrun.h"
#include "app/settings/appconfig.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"
#include "app/widgets/uifont.h"
#include "kavimo_version.h"
#include "platform/debug.h"
#include "platform/filemode.h"
#include "platform/logfile.h"
#include "platform/paths.h"
#include "records/workdirlock.h"

namespace {

QStringList Arguments(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// Hidden aid for checking the screens by eye: writes a picture of the whole screen.
void ScheduleScreenshot(const AppConfig& config) {
    if (config.screenshotFile.isEmpty()) return;
    const QString file = config.screenshotFile;
    QTimer::singleShot(config.screenshotDelayMs, qApp, [file] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen || !screen->grabWindow(0).save(file)) {
            std::fprintf(stderr, "kavimo: cannot write the screenshot %s\n", qPrintable(file));
        }
    });
}

// The language chosen in the settings file (empty: the desktop's).
QString LanguageSetting(const QString& iniPath) {
    return IniValueText(QSettings(iniPath, QSettings::IniFormat), QStringLiteral("ui/language"));
}

int DemoFailed(const QString& error) {
    const QString text = Ui::tr("The demo cannot start: %1.").arg(error);
    std::fprintf(stderr, "kavimo: %s\n", qPrintable(text));
    platform::DebugWarning("kavimo: %s\n", qPrintable(text));
    ShowMessageBox(nullptr, text, Ui::tr("Oral image acquisition system"), QMessageBox::Critical);
    return 1;
}

const char kNoDisplay[] = "kavimo needs a desktop session: no X11 or Wayland display found\n";

// The X11 platform (the one kavimo uses unless told otherwise) needs a display to talk to.
bool DisplayMissing() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb")) return false;  // the caller's choice
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool g_applicationMade = false;

// Qt's own warnings (a missing plug-in, a picture that cannot be read) also go to the log.
QtMessageHandler g_previousHandler = nullptr;
void LogQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QByteArray text = message.toLocal8Bit();
    // A platform plug-in that cannot start (the display refused the connection) ends the program
    // before any window: one clear line instead of Qt's abort.
    if (type == QtFatalMsg && !g_applicationMade) {
        platform::DebugWarning("Qt: %s\n", text.constData());
        std::fputs(kNoDisplay, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        platform::DebugWarning("Qt: %s\n", text.constData());
    } else {
        platform::DebugPrintf("Qt: %s\n", text.constData());
    }
    if (g_previousHandler) g_previousHandler(type, context, message);
}

// An older version made the work directory and the log folder readable by all: narrowing the
// folders themselves puts everything beneath out of other accounts' reach without a walk over it.
// A log file named in KAVIMO_LOG_FILE lies in a folder of the user's choosing, which stays as it is.
void NarrowDataFolders() {
    std::vector<std::string> folders = {platform::HostPath(records::kWorkDir)};
    const std::string log = platform::DefaultLogFilePath();
    if (!log.empty() && LogFilePath() == QString::fromStdString(log)) folders.push_back(log.substr(0, log.rfind('/')));
    for (const std::string& folder : folders) {
        if (platform::NarrowDirectory(folder)) {
            platform::DebugNotice("kavimo: %s was open to other accounts; narrowed to mode %o\n", folder.c_str(),
                                  unsigned(platform::AllowedDirectoryMode()));
        }
    }
}

// What the practice-management system asked for cannot be done (its patient data refused, its
// transfer file unreadable, an export failed): said on standard error and on screen, since whoever
// started kavimo from the practice system sees no terminal. No record has changed.
int PatientRefused(const QString& reason) {
    std::fprintf(stderr, "kavimo: %s\n", qPrintable(reason));
    platform::DebugWarning("kavimo: %s\n", qPrintable(reason));
    QString text = reason;
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    ShowMessageBox(nullptr, text + QLatin1Char('.'), Ui::tr("Oral image acquisition system"), QMessageBox::Warning);
    return 3;
}

// Hands the patient to the kavimo running on this work directory. The exit status: 0 when it
// took the patient, 4 when it refused; -1 when no kavimo answers (the caller says the records
// are in use, as without a patient).
int HandOver(const pms::PatientRequest& patient, const std::vector<std::string>& show, const QString& socketPath,
             TransferRun* transfer) {
    // The user may first answer about unsaved work in the running window.
    const HandoverResult result = HandOverPatient(socketPath, patient, show, 10 * 60 * 1000);
    QString problem;
    switch (result.status) {
        case HandoverResult::Status::Taken:
            std::printf("kavimo: the running kavimo opened patient %s (UID%llu)\n", patient.patientId.c_str(),
                        static_cast<unsigned long long>(result.uid));
            if (transfer && !transfer->AnswerOpened(result.uid, &problem)) {
                std::fprintf(stderr, "kavimo: %s\n", qPrintable(problem));
                return 4;
            }
            return 0;
        case HandoverResult::Status::Refused: {
            const QString text = Ui::tr("the running kavimo did not open patient %1: %2")
                                     .arg(QString::fromStdString(patient.patientId), result.text);
            std::fprintf(stderr, "kavimo: %s\n", qPrintable(text));
            platform::DebugWarning("kavimo: %s\n", qPrintable(text));
            if (transfer) transfer->AnswerFailed(pms::kTransferNotTaken, result.text, &problem);
            return 4;
        }
        case HandoverResult::Status::Unreachable:
            platform::DebugWarning("kavimo: no running kavimo took the patient: %s\n", qPrintable(result.text));
            return -1;
    }
    return -1;
}

}  // namespace

QString LogFilePath() {
    const QString chosen = qEnvironmentVariable("KAVIMO_LOG_FILE");
    return chosen.isEmpty() ? QString::fromStdString(platform::DefaultLogFilePath()) : chosen;
}

int CkavimoApp::Run(int argc, char** argv) {
    // The log file, for this program's code and each media library's copy of the debug trace
    // alike: they all read KAVIMO_LOG_FILE when they first write a line.
    qputenv("KAVIMO_LOG_FILE", LogFilePath().toLocal8Bit());

    AppConfig config;
    ConfigResult result;
    {
        // The help and the command line's mistakes speak the user's language too, without a display:
        // a core application holds the translation while the settings are read.
        QCoreApplication core(argc, argv);
        InstallTranslation(LanguageSetting(DefaultIniPath()));
        result =
            ResolveConfig(Arguments(argc, argv), QProcessEnvironment::systemEnvironment(), DefaultIniPath(), &config);
        if (result.status == ConfigResult::Help) {
            std::fputs(qPrintable(result.text), stdout);
            return 0;
        }
        if (result.status == ConfigResult::Error) {
            std::fprintf(stderr, "kavimo: %s\n%s\n", qPrintable(result.text),
                         qPrintable(Ui::tr("Try 'kavimo --help'.")));
            return 2;
        }
    }
    // The patient the practice-management system named is refused before anything is touched.
    const QString refusal = result.status == ConfigResult::PatientRefused
                                ? Ui::tr("the patient was not opened: %1").arg(result.text)
                                : QString();
    // The modes of everything kavimo writes are settled before anything is written; the media
    // libraries read the group from the environment.
    std::string groupProblem;
    if (platform::ConfigureDataGroup(config.dataGroup.toStdString(), &groupProblem)) {
        if (config.dataGroup.isEmpty()) {
            qunsetenv(platform::kDataGroupVariable);
        } else {
            qputenv(platform::kDataGroupVariable, config.dataGroup.toLocal8Bit());
        }
    }

    // The media libraries draw into native X11 windows: use the xcb platform (also under
    // XWayland) unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    if (DisplayMissing()) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    g_previousHandler = qInstallMessageHandler(LogQtMessage);
    QApplication app(argc, argv);
    g_applicationMade = true;
    QCoreApplication::setOrganizationName(QStringLiteral("kavimo"));
    QCoreApplication::setApplicationName(QStringLiteral("kavimo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KAVIMO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KAVIMO_APP_ID));
    // The dialogs' own font: Latin text in "Arial", Chinese text in the installed CJK font.
    QFont font = EmPixelFont(QStringLiteral("Arial"), 12, kWeightNormal);
    font.setFamilies({QStringLiteral("Arial"), ResolveFamily(QStringLiteral("宋体"))});
    QApplication::setFont(font);
    // The language: the one chosen in the settings, else the desktop's.
    InstallTranslation(LanguageSetting(config.iniPath));

    // The socket library needs no start-up here; the settings file is kavimo.ini.
    ApplyConfig(config);
    if (!groupProblem.empty()) {
        // The group was refused before the user's language was installed: its reason is asked
        // again, now in that language.
        gid_t refusedGroup = 0;
        platform::LookUpDataGroup(config.dataGroup.toStdString(), &refusedGroup, &groupProblem);
        const QString text = Ui::tr("kavimo cannot start: %1.").arg(QString::fromStdString(groupProblem));
        std::fprintf(stderr, "kavimo: %s\n", qPrintable(text));
        ShowMessageBox(nullptr, text, Ui::tr("Oral image acquisition system"), QMessageBox::Critical);
        return 1;
    }
    if (!refusal.isEmpty()) return PatientRefused(refusal);
    // Without a home directory the records would have no folder of this account's own.
    if (platform::DriveRoot().empty()) {
        const QString text =
            Ui::tr("kavimo cannot start: %1.").arg(QString::fromStdString(platform::DriveRootProblem()));
        std::fprintf(stderr, "kavimo: %s\n", qPrintable(text));
        ShowMessageBox(nullptr, text, Ui::tr("Oral image acquisition system"), QMessageBox::Critical);
        return 1;
    }
    platform::DebugNotice("kavimo %s started (process %lld); d: drive %s; settings %s\n", KAVIMO_VERSION,
                          static_cast<long long>(QCoreApplication::applicationPid()), platform::DriveRoot().c_str(),
                          qPrintable(config.iniPath));

    // A transfer file: read and checked first; an export needs no window.
    std::unique_ptr<TransferRun> transfer;
    std::vector<std::string> showPictures;
    if (!config.transferFile.isEmpty()) {
        transfer = std::make_unique<TransferRun>();
        QString message;
        const std::string today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString();
        if (transfer->Load(config.transferFile, today, &message) != TransferRun::Loaded::Ready) {
            return PatientRefused(message);
        }
        if (transfer->Request().action == pms::TransferAction::ExportPictures) {
            if (!transfer->Export(&message)) {
                return PatientRefused(Ui::tr("the pictures were not exported: %1").arg(message));
            }
            return 0;
        }
        if (transfer->Request().action == pms::TransferAction::ShowPictures && !transfer->CheckShow(&message)) {
            return PatientRefused(Ui::tr("the pictures were not shown: %1").arg(message));
        }
        config.hasPatient = true;
        config.patient = transfer->Request().patient;
        showPictures = transfer->Request().pictures;
    }

    // One kavimo per work directory, for the whole run; a second one leaves before it touches
    // any record file, handing the patient it was given to the running one.
    records::WorkDirLock workDirLock;
    const QString workDir = QString::fromStdString(platform::HostPath(records::kWorkDir));
    const records::WorkDirLock::Status lock = workDirLock.Acquire(workDir.toStdString());
    if (lock == records::WorkDirLock::Status::ReadOnly) {
        std::fprintf(stderr, "kavimo: %s; the records can only be read.\n", workDirLock.Message().c_str());
        platform::DebugWarning("kavimo: %s; the records can only be read.\n", workDirLock.Message().c_str());
    } else if (lock != records::WorkDirLock::Status::Held) {
        if (config.hasPatient) {
            const int status = HandOver(config.patient, showPictures, HandoverSocketPath(workDir), transfer.get());
            if (status >= 0) return status;
        }
        const QString text = QString::fromStdString(workDirLock.Message());
        std::fprintf(stderr, "kavimo: %s\n", qPrintable(text));
        platform::DebugWarning("kavimo: %s\n", qPrintable(text));
        if (transfer) {
            QString ignored;
            transfer->AnswerFailed(pms::kTransferNotTaken, text, &ignored);
        }
        ShowMessageBox(nullptr, text, Ui::tr("Oral image acquisition system"), QMessageBox::Critical);
        return 1;
    }

    NarrowDataFolders();

    // Demo mode: the camera simulator on loopback is the camera.
    std::unique_ptr<CDemoCamera> demo;
    if (config.demo != AppConfig::Demo::Off) {
        CDemoCamera::Options options;
        options.kind = config.demo == AppConfig::Demo::Picture ? CDemoCamera::Kind::Picture : CDemoCamera::Kind::Stream;
        demo = std::make_unique<CDemoCamera>(options);
        QString error;
        if (!demo->Start(CDemoCamera::DefaultProgram(), &error)) return DemoFailed(error);
        demo->Configure(&config.camera);
    }

    QtRecordNotifier notifier;
    RecordStore store(&notifier);
    store.RemoveInterruptedRewrites();
    CUdp udp(config.camera);
    udp.SetNotifier(&notifier);
    udp.SetRecordStore(&store);
    udp.SetTickCounter(&GlobalTicks());
    if (demo) {
        // The camera link's sockets first (the window's own Init then finds them open), so that
        // the simulator knows where to answer before the window probes for it.
        QString error;
        if (udp.Init(0) != 1) return DemoFailed(Ui::tr("the camera link cannot open its sockets on 127.0.0.1"));
        if (!demo->Connect(udp, &error)) return DemoFailed(error);
    }

    // The clinic's archive: what an earlier run left queued goes out as soon as it answers.
    PacsSender pacs(config.pacs, config.pacsAutoSend);
    pacs.Start();

    ScheduleScreenshot(config);
    // What was deleted more than 30 days ago leaves the trash, beside the window's start: with
    // many pictures that takes a while.
    std::thread purgeTrash([&store] { store.PurgeTrash(std::time(nullptr)); });
    {
        CkavimoDlg dialog(store, udp);
        dialog.SetPacsSender(&pacs);
        if (config.hasPatient) {
            dialog.SetStartPatient(config.patient, showPictures, [&transfer](const pms::OpenedPatient& opened) {
                if (!transfer) return;
                QString problem;
                const bool written = opened.ok ? transfer->AnswerOpened(opened.uid, &problem)
                                               : transfer->AnswerFailed(pms::kTransferFailed,
                                                                        QString::fromStdString(opened.error), &problem);
                if (!written) {
                    std::fprintf(stderr, "kavimo: %s\n", qPrintable(problem));
                    platform::DebugWarning("kavimo: %s\n", qPrintable(problem));
                }
            });
        }
        // A second start on this work directory hands its patient to this window.
        HandoverServer handover;
        handover.SetHandler([&dialog](const pms::PatientRequest& request, const std::vector<std::string>& show,
                                      uint64_t* uid) { return dialog.OpenHandedOverPatient(request, show, uid); });
        QString listenError;
        if (lock == records::WorkDirLock::Status::Held && !handover.Listen(HandoverSocketPath(workDir), &listenError)) {
            platform::DebugWarning("kavimo: a second start cannot hand its patient over: %s\n",
                                   qPrintable(listenError));
        }
        dialog.SetSettingsSource(config.iniPath, config.overrides);
        // The session's end (SIGTERM, SIGHUP, the session manager) keeps the unsaved work in the
        // state directory, beside the log.
        const std::string state = platform::XdgBaseDirectory("XDG_STATE_HOME", "/.local/state");
        if (!state.empty()) dialog.SetStateDirectory(QString::fromStdString(state + "/kavimo"));
        ShutdownWatch shutdown;
        QObject::connect(&shutdown, &ShutdownWatch::shutdownRequested, &dialog, [&dialog](int signal) {
            platform::DebugNotice("kavimo: signal %d: the session ends\n", signal);
            dialog.EndSession();
        });
        dialog.DoModal();
    }
    ThumbnailCache::WaitForDiskWrites();
    purgeTrash.join();
    platform::DebugNotice("kavimo ended\n");
    return 0;
}
