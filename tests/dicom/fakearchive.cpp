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

void Accept(T_ASC_Association* association) {
    const char* abstract[] = {UID_VerificationSOPClass, UID_VLPhotographicImageStorage,
                              UID_FINDModalityWorklistInformationModel};
    const char* transfer[] = {UID_JPEGProcess1TransferSyntax, UID_LittleEndianExplicitTransferSyntax,
                              UID_LittleEndianImplicitTransferSyntax};
    ASC_acceptContextsWithPreferredTransferSyntaxes(association->params, abstract, 3, transfer, 3);
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
        if (received.good()) {
            Accept(association);
            if (ASC_acknowledgeAssociation(association).good()) {
                ++m_accepted;
                if (m_behaviour == Behaviour::PendingForever) {
                    AnswerPendingForever(association);
                } else {
                    while (!m_stop) std::this_thread::sleep_for(std::chrono::milliseconds(20));
                }
            }
            ASC_dropSCPAssociation(association);
        }
        if (association) ASC_destroyAssociation(&association);
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
