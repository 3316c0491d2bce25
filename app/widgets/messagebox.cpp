#include "app/widgets/messagebox.h"

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

QMessageBox::StandardButton ShowMessageBox(const MessageBoxRequest& request) {
    if (Hook()) return Hook()(request);
    QMessageBox box(request.icon, request.caption, request.text, request.buttons, request.parent);
    // The texts carry what others wrote (a host name from the lock file, a patient's name, an
    // archive's answer): shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    MessageBoxRequest request;
    request.parent = parent;
    request.text = text;
    request.caption = caption;
    request.icon = icon;
    request.buttons = buttons;
    return ShowMessageBox(request);
}
