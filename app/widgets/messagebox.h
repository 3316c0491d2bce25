// Every message box of the application goes through here, so that the texts, captions and
// buttons are in one place and tests can answer boxes without a person at the screen.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

struct MessageBoxRequest {
    QWidget* parent = nullptr;
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Shows a modal message box with the text as plain text, and returns the button pressed.
QMessageBox::StandardButton ShowMessageBox(const MessageBoxRequest& request);

// Convenience for the common case of one OK button.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, const QString& text, const QString& caption,
                                           QMessageBox::Icon icon = QMessageBox::NoIcon,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Replaces the on-screen box with a function (tests); an empty function restores the box.
// Only the user-interface thread may call this and ShowMessageBox.
using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageBoxRequest&)>;
void SetMessageBoxHook(MessageBoxHook hook);
