#include "records/recordnotifier.h"

#include <cstdio>

int StderrRecordNotifier::MessageBox(const std::string& text, const std::string& caption, Buttons buttons) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    switch (buttons) {
        case Buttons::Ok:
            return kOk;
        case Buttons::OkCancel:
            return kCancel;
        case Buttons::YesNo:
            return kNo;
    }
    return kCancel;
}

StderrRecordNotifier& StderrRecordNotifier::Instance() {
    static StderrRecordNotifier instance;
    return instance;
}
