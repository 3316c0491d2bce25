// A run of kavimo started with a VDDS-media transfer file (pms/transferfile.h): the file is read
// and checked first; an export is done at once, without a window; a patient import or a request
// to show pictures opens the patient (in this run's window or the running one's) and is answered
// once it is open. Every answer goes into the same file.
//
// User-interface thread (or before the application object exists).
#pragma once

#include <QString>

#include <cstdint>
#include <string>

#include "pms/transferfile.h"

class TransferRun {
public:
    enum class Loaded {
        Ready,     // a request to carry out
        Answered,  // refused with an answer in the file (*message says why)
        Unusable,  // not a transfer file kavimo can answer in; the file is left as it is
    };

    // Reads the file and its request; `today` (YYYYMMDD) for the birth date's check.
    Loaded Load(const QString& path, const std::string& today, QString* message);
    const pms::TransferRequest& Request() const { return m_request; }

    // Exports the chosen pictures of the request's patient and answers. True when done; false
    // with the reason (also in the answer).
    bool Export(QString* message);

    // For a request to show pictures: true when kavimo has the patient and the pictures; else
    // answers why not and returns false with the reason.
    bool CheckShow(QString* message);

    // The patient `uid` is open: answers READY with the patient's picture list.
    bool AnswerOpened(uint64_t uid, QString* message);
    // The patient could not be opened: answers with the level and the reason.
    bool AnswerFailed(int errorLevel, const QString& reason, QString* message);

private:
    bool Write(QString* message);

    std::string m_path;
    pms::IniText m_file;
    pms::TransferRequest m_request;
};
