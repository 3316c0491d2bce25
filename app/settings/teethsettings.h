// How the teeth of the pictures are written and when the chart asks for them: the notation the
// clinic reads (kavimo.ini "teeth/notation": fdi, universal or palmer; the file always holds FDI
// numbers) and whether the chart opens after each capture ("teeth/chart_after_capture"). Both are
// read from kavimo.ini when the window starts and again when the settings dialog closes.
#pragma once

#include <QString>

#include "records/toothtags.h"

class CSettingsDlg;

struct TeethSettings {
    records::ToothNotation notation = records::ToothNotation::Fdi;
    bool chartAfterCapture = false;
};

// The settings kavimo.ini at `iniPath` holds; the defaults for what it lacks or cannot be read.
TeethSettings ReadTeethSettings(const QString& iniPath);

// Adds the group "Teeth" to the settings dialog.
void AddTeethSettings(CSettingsDlg* dialog);
