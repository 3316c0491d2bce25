#include "fakearchive.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcuid.h"
#include "dcmtk/dcmnet/assoc.h"
#include "dcmtk/dcmnet/dimse.h"
#include "orthanc.h"

namespace dicomtest {
namespace {

void Accept(T_ASC_Association* association, bool pictures) {
    const char* abstract[] = {UID_VerificationSOPClass, UID_FINDModalityWorklistInformationModel,
                              UID_VLPhotographicImageStorage};
    const char* transfer[] = {UID_JPEGProcess1TransferSyntax, UID_LittleEndianExplicitTransferSyntax,
                              UID_LittleEndianImplicitTransferSyntax};
    ASC_acceptContextsWithPreferredTransferSyntaxes(association->params, abstract, pictures ? 3 : 2, transfer, 3);
}

void Reject(T_ASC_Association* association) {
    T_ASC_RejectParameters reject = {ASC_RESULT_REJECTEDPERMANENT, ASC_SOURCE_SERVICEUSER,
                                     ASC_REASON_SU_CALLINGAETITLENOTRECOGNIZED};
    ASC_rejectAssociation(association, &reject);
}

}  // namespace

FakeArchive::FakeArchive(Behaviour behaviour) : m_behaviour(behaviour) {
    m_port = FreeLoopbackPort();
    const OFCondition status = ASC_initializeNetwork(NET_ACCEPTOR, m_port, 5, &m_network);
    if (status.bad()) {
        m_error = std::string("cannot listen: ") + status.text();
        return;
    }
    m_thread = std::thread(&FakeArchive::Serve, this);
}

FakeArchive::~FakeArchive() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_network) ASC_dropNetwork(&m_network);
}

bool FakeArchive::Listening(std::string* error) const {
    if (error) *error = m_error;
    return m_error.empty();
}

dicom::PacsAddress FakeArchive::Address() const {
    dicom::PacsAddress address;
    address.calledAet = "FAKE";
    address.host = "127.0.0.1";
    address.port = m_port;
    return address;
}

void FakeArchive::Serve() {
    while (!m_stop) {
        T_ASC_Association* association = nullptr;
        const OFCondition received = ASC_receiveAssociation(m_network, &association, ASC_DEFAULTMAXPDU, nullptr,
                                                            nullptr, OFFalse, DUL_NOBLOCK, 1);
        const Behaviour behaviour = m_behaviour;
        if (received.good() && behaviour == Behaviour::Reject) {
            Reject(association);
            ++m_rejected;
            ASC_dropSCPAssociation(association);
        } else if (received.good()) {
            Accept(association, behaviour != Behaviour::NoPictures);
            if (ASC_acknowledgeAssociation(association).good()) {
                ++m_accepted;
                if (behaviour == Behaviour::PendingForever) {
                    AnswerPendingForever(association);
                } else if (behaviour == Behaviour::Silent) {
                    while (!m_stop) std::this_thread::sleep_for(std::chrono::milliseconds(20));
                } else {
                    AnswerRequests(association, behaviour);
                }
            }
            ASC_dropSCPAssociation(association);
        }
        if (association) ASC_destroyAssociation(&association);
    }
}

void FakeArchive::AnswerRequests(T_ASC_Association* association, Behaviour behaviour) {
    while (!m_stop) {
        T_ASC_PresentationContextID id = 0;
        T_DIMSE_Message request = {};
        const OFCondition status = DIMSE_receiveCommand(association, DIMSE_NONBLOCKING, 1, &id, &request, nullptr);
        if (status == DIMSE_NODATAAVAILABLE) continue;
        if (status == DUL_PEERREQUESTEDRELEASE) {
            ASC_acknowledgeRelease(association);
            return;
        }
        if (status.bad()) return;
        if (behaviour == Behaviour::Abort) {
            ASC_abortAssociation(association);
            ++m_aborted;
            return;
        }
        T_DIMSE_Message response = {};
        if (request.CommandField == DIMSE_C_ECHO_RQ) {
            if (DIMSE_sendEchoResponse(association, id, &request.msg.CEchoRQ, STATUS_Success, nullptr).bad()) return;
            continue;
        }
        if (request.CommandField != DIMSE_C_STORE_RQ) return;
        DcmDataset* dataset = nullptr;
        if (DIMSE_receiveDataSetInMemory(association, DIMSE_BLOCKING, 0, &id, &dataset, nullptr, nullptr).bad()) {
            return;
        }
        delete dataset;
        ++m_stores;
        const T_DIMSE_C_StoreRQ& store = request.msg.CStoreRQ;
        response.CommandField = DIMSE_C_STORE_RSP;
        T_DIMSE_C_StoreRSP& answer = response.msg.CStoreRSP;
        answer.MessageIDBeingRespondedTo = store.MessageID;
        OFStandard::strlcpy(answer.AffectedSOPClassUID, store.AffectedSOPClassUID, sizeof answer.AffectedSOPClassUID);
        OFStandard::strlcpy(answer.AffectedSOPInstanceUID, store.AffectedSOPInstanceUID,
                            sizeof answer.AffectedSOPInstanceUID);
        answer.opts = O_STORE_AFFECTEDSOPCLASSUID | O_STORE_AFFECTEDSOPINSTANCEUID;
        answer.DataSetType = DIMSE_DATASET_NULL;
        answer.DimseStatus = m_storeStatus;
        if (DIMSE_sendMessageUsingMemoryData(association, id, &response, nullptr, nullptr, nullptr, nullptr).bad()) {
            return;
        }
    }
}

void FakeArchive::AnswerPendingForever(T_ASC_Association* association) {
    T_ASC_PresentationContextID id = 0;
    T_DIMSE_Message request = {};
    while (!m_stop) {
        const OFCondition status = DIMSE_receiveCommand(association, DIMSE_NONBLOCKING, 1, &id, &request, nullptr);
        if (status == DIMSE_NODATAAVAILABLE) continue;
        if (status.bad()) return;
        if (request.CommandField == DIMSE_C_FIND_RQ) break;
    }
    DcmDataset* query = nullptr;
    if (m_stop || DIMSE_receiveDataSetInMemory(association, DIMSE_BLOCKING, 0, &id, &query, nullptr, nullptr).bad()) {
        return;
    }
    delete query;
    DcmDataset entry;
    entry.putAndInsertString(DCM_PatientName, "Endless^Patient");
    entry.putAndInsertString(DCM_PatientID, "P-LOOP");
    T_DIMSE_Message response = {};
    response.CommandField = DIMSE_C_FIND_RSP;
    T_DIMSE_C_FindRSP& find = response.msg.CFindRSP;
    find.MessageIDBeingRespondedTo = request.msg.CFindRQ.MessageID;
    OFStandard::strlcpy(find.AffectedSOPClassUID, request.msg.CFindRQ.AffectedSOPClassUID,
                        sizeof find.AffectedSOPClassUID);
    find.opts = O_FIND_AFFECTEDSOPCLASSUID;
    find.DimseStatus = STATUS_Pending;
    find.DataSetType = DIMSE_DATASET_PRESENT;
    while (!m_stop) {
        if (DIMSE_sendMessageUsingMemoryData(association, id, &response, nullptr, &entry, nullptr, nullptr).bad()) {
            return;
        }
    }
}

}  // namespace dicomtest
