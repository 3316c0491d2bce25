#include "dicom/pacsclient.h"

#include <cstdio>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcuid.h"
#include "dcmtk/dcmnet/diutil.h"
#include "dcmtk/dcmnet/scu.h"
#include "dicom/dcmtklog.h"
#include "dicom/pictureobject.h"

namespace dicom {
namespace {

std::string Text(const OFCondition& condition) { return condition.text(); }

OFString Value(DcmItem* item, const DcmTagKey& tag) {
    OFString value;
    if (item) item->findAndGetOFStringArray(tag, value);
    return value;
}

std::string StatusText(Uint16 status) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%04X", status);
    return text;
}

bool IsStoredStatus(Uint16 status) {
    // Success, and the warnings that still mean the archive keeps the object.
    return status == 0x0000 || status == 0xB000 || status == 0xB006 || status == 0xB007 || (status & 0xF000) == 0xB000;
}

}  // namespace

std::string PacsAddress::Text() const { return calledAet + "@" + host + ":" + std::to_string(port); }

bool IsValidAeTitle(const std::string& title) {
    if (title.empty() || title.size() > 16) return false;
    bool onlySpaces = true;
    for (char c : title) {
        if (c < 0x20 || c > 0x7e || c == '\\') return false;
        if (c != ' ') onlySpaces = false;
    }
    return !onlySpaces;
}

bool ParsePacsAddress(const std::string& text, PacsAddress* address) {
    const size_t at = text.find('@');
    const size_t colon = text.rfind(':');
    if (at == std::string::npos || colon == std::string::npos || colon < at) return false;
    const std::string aet = text.substr(0, at);
    const std::string host = text.substr(at + 1, colon - at - 1);
    const std::string port = text.substr(colon + 1);
    if (!IsValidAeTitle(aet) || host.empty() || port.empty() || port.size() > 5) return false;
    for (char c : port) {
        if (c < '0' || c > '9') return false;
    }
    const int number = std::stoi(port);
    if (number < 1 || number > 65535) return false;
    address->calledAet = aet;
    address->host = host;
    address->port = number;
    return true;
}

struct PacsClient::Impl {
    std::unique_ptr<DcmSCU> scu;
    PacsAddress address;
    int connectSeconds = 5;
    int answerSeconds = 30;
};

PacsClient::PacsClient() : m_impl(new Impl) { ConfigureDcmtkLog(); }

PacsClient::~PacsClient() { Close(); }

void PacsClient::SetTimeouts(int connectSeconds, int answerSeconds) {
    m_impl->connectSeconds = connectSeconds;
    m_impl->answerSeconds = answerSeconds;
}

bool PacsClient::Open(const PacsAddress& address, std::string* error) {
    Close();
    if (!address.IsSet() || !IsValidAeTitle(address.callingAet)) {
        if (error) *error = "the archive's address is not set (AE title, host and port)";
        return false;
    }
    auto scu = std::make_unique<DcmSCU>();
    scu->setAETitle(address.callingAet.c_str());
    scu->setPeerAETitle(address.calledAet.c_str());
    scu->setPeerHostName(address.host.c_str());
    scu->setPeerPort(Uint16(address.port));
    scu->setConnectionTimeout(m_impl->connectSeconds);
    scu->setACSETimeout(Uint32(m_impl->connectSeconds));
    scu->setDIMSEBlockingMode(DIMSE_NONBLOCKING);
    scu->setDIMSETimeout(Uint32(m_impl->answerSeconds));

    OFList<OFString> uncompressed;
    uncompressed.push_back(UID_LittleEndianExplicitTransferSyntax);
    uncompressed.push_back(UID_LittleEndianImplicitTransferSyntax);
    OFList<OFString> jpeg;
    jpeg.push_back(UID_JPEGProcess1TransferSyntax);
    scu->addPresentationContext(UID_VerificationSOPClass, uncompressed);
    scu->addPresentationContext(UID_VLPhotographicImageStorage, jpeg);
    scu->addPresentationContext(UID_VLPhotographicImageStorage, uncompressed);
    scu->addPresentationContext(UID_FINDModalityWorklistInformationModel, uncompressed);

    const std::string where = address.Text();
    OFCondition status = scu->initNetwork();
    if (status.good()) status = scu->negotiateAssociation();
    if (status.bad()) {
        if (error) {
            if (status == DUL_ASSOCIATIONREJECTED) {
                *error = "the archive " + where +
                         " refused the connection (check its AE title and "
                         "that it accepts " +
                         address.callingAet + "): " + Text(status);
            } else {
                *error = "cannot reach the archive " + where + ": " + Text(status);
            }
        }
        return false;
    }
    m_impl->scu = std::move(scu);
    m_impl->address = address;
    return true;
}

bool PacsClient::IsOpen() const { return m_impl->scu && m_impl->scu->isConnected(); }

void PacsClient::Close() {
    if (!m_impl->scu) return;
    if (m_impl->scu->isConnected() && m_impl->scu->releaseAssociation().bad()) {
        m_impl->scu->abortAssociation();
    }
    m_impl->scu.reset();
}

bool PacsClient::Echo(std::string* error) {
    if (!IsOpen()) {
        if (error) *error = "not connected to the archive";
        return false;
    }
    const T_ASC_PresentationContextID id = m_impl->scu->findPresentationContextID(UID_VerificationSOPClass, "");
    const OFCondition status = id == 0 ? NET_EC_NoAcceptablePresentationContexts : m_impl->scu->sendECHORequest(id);
    if (status.bad()) {
        if (error) *error = "the archive did not answer the check: " + Text(status);
        return false;
    }
    return true;
}

PacsClient::StoreResult PacsClient::Store(const PictureObject& object, std::string* error) {
    if (!IsOpen()) {
        if (error) *error = "not connected to the archive";
        return StoreResult::Broken;
    }
    DcmSCU& scu = *m_impl->scu;
    T_ASC_PresentationContextID id =
        scu.findPresentationContextID(UID_VLPhotographicImageStorage, object.TransferSyntaxUid());
    // Decoded pixels may also travel in the implicit form, when that is what the archive chose.
    if (id == 0 && !object.KeepsJpeg()) {
        id = scu.findPresentationContextID(UID_VLPhotographicImageStorage, UID_LittleEndianImplicitTransferSyntax);
    }
    if (id == 0) {
        if (error) {
            *error = std::string("the archive does not accept photographic pictures in ") +
                     (object.KeepsJpeg() ? "JPEG" : "uncompressed") + " form";
        }
        return StoreResult::Refused;
    }
    Uint16 status = 0;
    const OFCondition sent = scu.sendSTORERequest(id, "", object.File().getDataset(), status);
    if (sent.bad()) {
        if (error) *error = "the archive did not confirm the picture: " + Text(sent);
        if (!scu.isConnected()) return StoreResult::Broken;
        // A request that failed half-way leaves the association unusable.
        scu.abortAssociation();
        return StoreResult::Broken;
    }
    if (!IsStoredStatus(status)) {
        if (error) *error = "the archive refused the picture (status " + StatusText(status) + ")";
        return StoreResult::Refused;
    }
    return StoreResult::Stored;
}

bool PacsClient::FindWorklist(const std::string& date, std::vector<WorklistEntry>* entries, std::string* error) {
    if (!IsOpen()) {
        if (error) *error = "not connected to the archive";
        return false;
    }
    DcmSCU& scu = *m_impl->scu;
    const T_ASC_PresentationContextID id = scu.findPresentationContextID(UID_FINDModalityWorklistInformationModel, "");
    if (id == 0) {
        if (error) *error = "the archive offers no worklist";
        return false;
    }
    DcmDataset query;
    query.putAndInsertString(DCM_SpecificCharacterSet, "ISO_IR 192");
    query.insertEmptyElement(DCM_PatientName);
    query.insertEmptyElement(DCM_PatientID);
    query.insertEmptyElement(DCM_PatientBirthDate);
    query.insertEmptyElement(DCM_PatientSex);
    query.insertEmptyElement(DCM_AccessionNumber);
    DcmItem* step = nullptr;
    query.findOrCreateSequenceItem(DCM_ScheduledProcedureStepSequence, step);
    if (step) {
        step->putAndInsertString(DCM_ScheduledProcedureStepStartDate, date.c_str());
        step->insertEmptyElement(DCM_ScheduledProcedureStepStartTime);
        step->insertEmptyElement(DCM_Modality);
        step->insertEmptyElement(DCM_ScheduledProcedureStepDescription);
    }
    OFList<QRResponse*> responses;
    const OFCondition status = scu.sendFINDRequest(id, &query, &responses);
    entries->clear();
    bool failed = status.bad();
    std::string reason = failed ? Text(status) : std::string();
    for (QRResponse* response : responses) {
        if (response->m_dataset) {
            DcmItem* answer = response->m_dataset;
            WorklistEntry entry;
            entry.patient.patientId = Value(answer, DCM_PatientID).c_str();
            entry.patient.patientName = Value(answer, DCM_PatientName).c_str();
            entry.patient.birthDate = Value(answer, DCM_PatientBirthDate).c_str();
            entry.patient.sex = Value(answer, DCM_PatientSex).c_str();
            entry.accessionNumber = Value(answer, DCM_AccessionNumber).c_str();
            DcmItem* scheduled = nullptr;
            if (answer->findAndGetSequenceItem(DCM_ScheduledProcedureStepSequence, scheduled).good()) {
                entry.scheduledDate = Value(scheduled, DCM_ScheduledProcedureStepStartDate).c_str();
                entry.scheduledTime = Value(scheduled, DCM_ScheduledProcedureStepStartTime).c_str();
                entry.modality = Value(scheduled, DCM_Modality).c_str();
                entry.description = Value(scheduled, DCM_ScheduledProcedureStepDescription).c_str();
            }
            entries->push_back(entry);
        } else if (response->m_status != 0 && response->m_status != 0xFF00 && response->m_status != 0xFF01) {
            failed = true;
            reason = "status " + StatusText(response->m_status);
        }
        delete response;
    }
    if (failed) {
        if (error) *error = "the worklist query failed: " + reason;
        return false;
    }
    return true;
}

bool EchoPacs(const PacsAddress& address, std::string* error) {
    PacsClient client;
    if (!client.Open(address, error)) return false;
    const bool ok = client.Echo(error);
    client.Close();
    return ok;
}

}  // namespace dicom
