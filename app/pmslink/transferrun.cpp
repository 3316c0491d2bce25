#include "app/pmslink/transferrun.h"
#include "app/widgets/translation.h"

#include "platform/paths.h"
#include "pms/patientopen.h"
#include "records/recordnames.h"
#include "records/recordtypes.h"

namespace {

std::string PatientHostDir(uint64_t uid) { return platform::HostPath(records::PatientDirPath(uid)); }

}  // namespace

TransferRun::Loaded TransferRun::Load(const QString& path, const std::string& today, QString* message) {
    m_path = path.toStdString();
    std::string problem;
    if (!pms::ReadTransferFile(m_path, &m_file, &problem)) {
        *message = Ui::tr("the transfer file was not read: %1").arg(QString::fromStdString(problem));
        return Loaded::Unusable;
    }
    if (!pms::ReadTransferRequest(m_file, today, &m_request, &problem)) {
        *message = Ui::tr("the transfer file's request was refused: %1").arg(QString::fromStdString(problem));
        QString ignored;
        AnswerFailed(pms::kTransferPatientRefused, QString::fromStdString(problem), &ignored);
        return Loaded::Answered;
    }
    return Loaded::Ready;
}

bool TransferRun::Export(QString* message) {
    const std::vector<uint64_t> uids =
        pms::PatientsWithId(platform::HostPath(records::kWorkDir), m_request.patient.patientId);
    if (uids.empty()) {
        const QString reason =
            Ui::tr("kavimo has no patient with the ID %1").arg(QString::fromStdString(m_request.patient.patientId));
        QString ignored;
        AnswerFailed(pms::kTransferUnknownPatient, reason, &ignored);
        *message = reason;
        return false;
    }
    std::string problem;
    const int level = pms::ExportPictures(PatientHostDir(uids.back()), m_request, &m_file, &problem);
    if (level != pms::kTransferDone) {
        QString ignored;
        AnswerFailed(level, QString::fromStdString(problem), &ignored);
        *message = QString::fromStdString(problem);
        return false;
    }
    pms::SetAnswer(&m_file, pms::kTransferDone, std::string());
    return Write(message);
}

bool TransferRun::CheckShow(QString* message) {
    const std::vector<uint64_t> uids =
        pms::PatientsWithId(platform::HostPath(records::kWorkDir), m_request.patient.patientId);
    int level = pms::kTransferDone;
    if (uids.empty()) {
        level = pms::kTransferUnknownPatient;
        *message =
            Ui::tr("kavimo has no patient with the ID %1").arg(QString::fromStdString(m_request.patient.patientId));
    } else {
        const std::vector<pms::PictureEntry> listed = pms::ListPictures(PatientHostDir(uids.back()));
        for (const std::string& mmoid : m_request.pictures) {
            bool found = false;
            for (const pms::PictureEntry& entry : listed) found = found || entry.mmoid == mmoid;
            if (found) continue;
            level = pms::kTransferUnknownPicture;
            *message = Ui::tr("the picture %1 is not one of the patient's").arg(QString::fromStdString(mmoid));
            break;
        }
    }
    if (level == pms::kTransferDone) return true;
    QString ignored;
    AnswerFailed(level, *message, &ignored);
    return false;
}

bool TransferRun::AnswerOpened(uint64_t uid, QString* message) {
    if (m_request.action == pms::TransferAction::PatientImport) {
        pms::SetPictureList(&m_file, pms::ListPictures(PatientHostDir(uid)));
    }
    pms::SetAnswer(&m_file, pms::kTransferDone, std::string());
    return Write(message);
}

bool TransferRun::AnswerFailed(int errorLevel, const QString& reason, QString* message) {
    pms::SetAnswer(&m_file, errorLevel, reason.toStdString());
    return Write(message);
}

bool TransferRun::Write(QString* message) {
    std::string problem;
    if (pms::WriteTransferFile(m_path, m_file, &problem)) return true;
    *message =
        Ui::tr("the answer could not be written into the transfer file: %1").arg(QString::fromStdString(problem));
    return false;
}
