#include "app/notifiers.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QString>
#include <QThread>

#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"

namespace {

// The record store's fixed messages, as it writes them; they are shown in the user's language.
// Messages it composes with names and paths are shown as they come.
[[maybe_unused]] const char* const kRecordTexts[] = {
    QT_TRANSLATE_NOOP("kavimo", "Faile to create WorkDir!"),
    QT_TRANSLATE_NOOP("kavimo", "Create WorkDir successfull!"),
    QT_TRANSLATE_NOOP("kavimo", "Faile to  create user dir！"),
    QT_TRANSLATE_NOOP("kavimo", "User does not exist！"),
};

}  // namespace

int QtRecordNotifier::MessageBox(const std::string& text, const std::string& caption, Buttons buttons) {
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel) shown = QMessageBox::Ok | QMessageBox::Cancel;
    if (buttons == Buttons::YesNo) shown = QMessageBox::Yes | QMessageBox::No;
    const QString message = Ui::tr(text.c_str());
    const QString title = Ui::tr(caption.c_str());

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
