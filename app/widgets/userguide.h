// The user guide: docs/user-guide.md as installed with the package (or beside the sources in a
// build tree), shown in a window of its own with its pictures. F1 and the About box open it.
//
// User-interface thread only.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The places looked in, in order: KAVIMO_USER_GUIDE, the package's documentation folder beside
// the program (../share/doc/kavimo/user-guide), /usr/share/doc/kavimo/user-guide, the source tree.
QStringList UserGuideCandidates();
// The first of them that exists; empty when none does.
QString UserGuidePath();

// Opens the guide in a window (one at a time; a second call raises it). Says where it looked when
// the guide is not there. Returns the window, or null.
QWidget* ShowUserGuide(QWidget* parent);
