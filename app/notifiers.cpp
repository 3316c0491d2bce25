#include "app/notifiers.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QString>
#include <QThread>

#include "app/messagebox.h"
#include "records/textconv.h"

int QtRecordNotifier::MessageBox(const std::string& text, const std::string& caption, Buttons buttons) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel) shown = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == Buttons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::StandardButton answer = ShowMessageBox(nullptr, QString::fromStdString(text),
                                                              QString::fromStdString(caption),
                                                              QMessageBox::NoIcon, shown);
    switch (answer) {
    case QMessageBox::Yes: return kYes;
    case QMessageBox::No: return kNo;
    case QMessageBox::Cancel: return kCancel;
    default: return buttons == Buttons::YesNo ? kNo : (buttons == Buttons::OkCancel && answer != QMessageBox::Ok ? kCancel : kOk);
    }
}

void QtCameraNotifier::ShowMessage(const std::string& text) {
    const QString message = QString::fromStdString(text);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (QThread::currentThread() == app->thread()) {
        ShowMessageBox(nullptr, message, QString());
    } else {
        QMetaObject::invokeMethod(app, [message] { ShowMessageBox(nullptr, message, QString()); },
                                  Qt::QueuedConnection);
    }
}

bool StorePatientSource::GetCurrentPatientDir(std::string* dirLogical) {
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return false;
    *dirLogical = records::FieldText(user.dirPath);
    return !dirLogical->empty();
}
