#include "app/notifiers.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QString>
#include <QThread>

#include "app/widgets/messagebox.h"

int QtRecordNotifier::MessageBox(const std::string& text, const std::string& caption, Buttons buttons) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel) shown = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == Buttons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
    const QString message = QString::fromStdString(text);
    const QString title = QString::fromStdString(caption);

    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        if (app) {
            QMetaObject::invokeMethod(
                app, [message, title] { ShowMessageBox(nullptr, message, title); }, Qt::QueuedConnection);
        }
        return buttons == Buttons::Ok ? kOk : buttons == Buttons::OkCancel ? kCancel : kNo;
    }

    switch (ShowMessageBox(nullptr, message, title, QMessageBox::NoIcon, shown)) {
        case QMessageBox::Ok:
            return kOk;
        case QMessageBox::Yes:
            return kYes;
        case QMessageBox::No:
            return kNo;
        case QMessageBox::Cancel:
            return kCancel;
        default:
            return buttons == Buttons::Ok ? kOk : buttons == Buttons::OkCancel ? kCancel : kNo;
    }
}
