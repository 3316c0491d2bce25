// The settings dialog's group for the clinic's archive (PACS): AE titles, host, port, automatic
// sending, TLS and its files, and "Test connection", which checks the values in the fields with
// a C-ECHO (over TLS when its box is ticked).
#pragma once

#include <QString>

class CSettingsDlg;
class QLabel;
class QPushButton;

// What to do when no archive is set up: where the Settings dialog is.
QString NoPacsMessage();

// Adds the group and the test button to the dialog.
void AddPacsSettings(CSettingsDlg* dialog);
