// The application's configuration: where the d: drive is, every camera address and port, and
// the clinic's archive.
//
// Each value comes from, in order of precedence, the command line, the environment (KAVIMO_*)
// and kavimo.ini (~/.config/kavimo/kavimo.ini, or the file KAVIMO_CONFIG / --config names);
// anything not given keeps the product default.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "camlink/camlinkconfig.h"
#include "dicom/pacsclient.h"

struct AppConfig {
    QString driveD;  // host directory of the d: drive; empty: the platform default
    CameraLinkConfig camera;
    dicom::PacsAddress pacs;     // the clinic's archive; unset (no AE title) means none
    bool pacsAutoSend = false;   // send every stored picture to the archive
    // Demo mode: run the camera simulator as the camera (command line only).
    enum class Demo { Off, Stream, Picture } demo = Demo::Off;
    QString screenshotFile;  // hidden option: write a picture of the screen after start-up
    int screenshotDelayMs = 3000;
};

struct ConfigResult {
    enum Status { Ok, Help, Error } status = Ok;
    QString text;  // the help text for Help, the reason for Error
};

// Resolves the configuration from arguments (argv without the program name's special meaning:
// args[0] is the program), an environment and the default kavimo.ini path.
ConfigResult ResolveConfig(const QStringList& args, const QProcessEnvironment& env, const QString& defaultIniPath,
                           AppConfig* config);

// ~/.config/kavimo/kavimo.ini (following XDG_CONFIG_HOME).
QString DefaultIniPath();

// Applies the configuration to the process: the d: drive root.
void ApplyConfig(const AppConfig& config);
