// The application's answer to the small interface through which the records store and the
// camera link reach the user.
#pragma once

#include "records/recordnotifier.h"

// Messages of the records store and the camera link as message boxes without an owner window.
// On the user-interface thread the box is modal and its answer returned; a message from another
// thread is queued to the user-interface thread and answered at once with OK (or the cautious
// Cancel/No for a question), as nobody can be asked from there.
class QtRecordNotifier : public RecordNotifier {
public:
    int MessageBox(const std::string& text, const std::string& caption, Buttons buttons) override;
};
