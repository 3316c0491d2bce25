// The application's answers to the small interfaces through which the records store and the
// camera link reach the user and each other.
#pragma once

#include "camlink/udp.h"
#include "records/recordnotifier.h"
#include "records/recordstore.h"

// Records store messages as message boxes without an owner window.
class QtRecordNotifier : public RecordNotifier {
public:
    int MessageBox(const std::string& text, const std::string& caption, Buttons buttons) override;
};

// Camera link messages ("bind rxsocket err") as message boxes. Shown at once on the
// user-interface thread; from another thread the box is queued to it.
class QtCameraNotifier : public CUdpNotifier {
public:
    void ShowMessage(const std::string& text) override;
};

// The current patient's directory for the picture channel, from the records store (whose
// GetCurrentUser may be called from the picture thread).
class StorePatientSource : public CUdpPatientSource {
public:
    explicit StorePatientSource(const RecordStore& store) : m_store(store) {}
    bool GetCurrentPatientDir(std::string* dirLogical) override;

private:
    const RecordStore& m_store;
};
