#include "app/pmslink/transferrun.h"

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
        *message = QStringLiteral("the transfer file was not read: %1").arg(QString::fromStdString(problem));
        return Loaded::Unusable;
    }
    if (!pms::ReadTransferRequest(m_file, today, &m_request, &problem)) {
        *message = QStringLiteral("the transfer file's request was refused: %1").arg(QString::fromStdString(problem));
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
        const QString reason = QStringLiteral("kavimo has no patient with the ID %1")
                                   .arg(QString::fromStdString(m_request.patient.patientId));
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
    *message = QStringLiteral("the answer could not be written into the transfer file: %1")
                   .arg(QString::fromStdString(problem));
    return false;
}
