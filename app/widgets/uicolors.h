// The colours of the application's windows.
#pragma once

#include <QColor>

inline const QColor kBackgroundColour(57, 169, 251);     // dialogs and static texts
inline const QColor kButtonFaceColour(172, 168, 153);    // push buttons
inline const QColor kLiveButtonFaceColour(255, 255, 0);  // "Sample"
inline const QColor kDiseaseBackground(144, 153, 174);   // the main window's diagnosis text
inline const QColor kThumbListBackground(100, 100, 100);
inline const QColor kEmptyPaneColour(50, 50, 50);
