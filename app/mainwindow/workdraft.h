// WorkDraft: the work a session's end would lose (the diagnosis typed and not saved, strokes not
// saved on the picture shown), kept in kavimo's own state directory and offered at the next start.
//
// One draft at a time, in <state directory>/unsaved-work.draft: private to the user (0600, in a
// 0700 directory), written to a temporary file and renamed over the old one, so that it is
// either whole or not there. It names its patient by UID and name. The record files are never
// touched. User-interface thread.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <cstdint>

struct WorkDraft {
    uint64_t uid = 0;     // the patient
    QString patientName;  // as shown when the draft was kept
    QDateTime savedAt;    // when it was kept (local time)
    bool hasDiagnosis = false;
    QString diagnosis;    // the diagnosis box's text
    QString picturePath;  // the picture the strokes were drawn on (logical path); "" when none
    QImage annotated;     // that picture with the strokes, at its own size; null when none

    bool HasStrokes() const { return !picturePath.isEmpty() && !annotated.isNull(); }

    // The draft file in a state directory.
    static QString FilePath(const QString& stateDir);
    // Writes the draft (replacing any other); false with the reason when it could not be.
    bool Write(const QString& stateDir, QString* error) const;
    // Reads the draft of a state directory; false when there is none or it cannot be read.
    bool Read(const QString& stateDir);
    // Removes the draft of a state directory (nothing when there is none).
    static void Remove(const QString& stateDir);
};
