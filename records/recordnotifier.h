// How the records store speaks to the user. The store never opens a window itself: it hands each
// message to a notifier. The application implements one with QMessageBox; without one, messages
// go to standard error; tests install a notifier that records them.
#pragma once

#include <string>

class RecordNotifier {
public:
    enum class Buttons { Ok, OkCancel, YesNo };

    // The answers MessageBox returns.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;

    virtual ~RecordNotifier() = default;

    // Shows a modal message (texts are UTF-8) and returns the button chosen: kOk for Buttons::Ok,
    // kOk or kCancel for OkCancel, kYes or kNo for YesNo. Called on the thread that called the
    // store, never while the store is locked, so the implementation may run an event loop.
    virtual int MessageBox(const std::string& text, const std::string& caption, Buttons buttons) = 0;
};

// Writes "caption: text" to standard error. Questions get the cautious answer (Cancel, No), as
// nobody is there to confirm them.
class StderrRecordNotifier : public RecordNotifier {
public:
    int MessageBox(const std::string& text, const std::string& caption, Buttons buttons) override;

    // The process-wide instance the store falls back on.
    static StderrRecordNotifier& Instance();
};
