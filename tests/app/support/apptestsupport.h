// Shared set-up of the application tests: a d: drive in a temporary directory, a records store
// whose messages are collected, and helpers to make patients and pictures.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "app/notifiers.h"
#include "app/widgets/messagebox.h"
#include "platform/paths.h"
#include "records/recordstore.h"
#include "records/textconv.h"

class TestDrive {
public:
    TestDrive() {
        platform::SetDriveRoot(m_dir.path().toStdString());
        SetMessageBoxHook([this](const MessageBoxRequest& r) {
            messages << r.caption + QLatin1Char('|') + r.text;
            return answer(r);
        });
    }
    ~TestDrive() {
        SetMessageBoxHook({});
        platform::SetDriveRoot("");
    }
    TestDrive(const TestDrive&) = delete;
    TestDrive& operator=(const TestDrive&) = delete;

    QString root() const { return m_dir.path(); }
    QString workDir() const { return m_dir.path() + QStringLiteral("/DentalWorkDir"); }

    // What the next question is answered with (OK, Yes, ...); plain boxes get OK.
    QMessageBox::StandardButton reply = QMessageBox::Ok;
    QStringList messages;

private:
    QMessageBox::StandardButton answer(const MessageBoxRequest& r) const {
        if (r.buttons & reply) return reply;
        return QMessageBox::Ok;
    }
    QTemporaryDir m_dir;
};

inline _USER_INFO MakePatient(uint64_t uid, const char16_t* name, int age, int sex, int64_t phone) {
    _USER_INFO user = {};
    user.uid = uid;
    records::SetFieldText(user.name, std::u16string(name));
    user.age = age;
    user.sex = sex;
    user.phone = phone;
    return user;
}

// The host directory of a patient.
inline QString PatientDir(const TestDrive& drive, uint64_t uid) {
    return drive.workDir() + QStringLiteral("/UID%1").arg(qulonglong(uid));
}

inline bool WriteJpeg(const QString& path, int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPG", 95);
}

// Clicks (or double-clicks) an item of a list as a person does: the list's viewport receives the
// events of the click, in order.
inline void ClickListItem(QListWidget* list, QListWidgetItem* item, bool twice = false) {
    list->scrollToItem(item);
    QCoreApplication::processEvents();  // the list lays its items out late
    const QPoint at = list->visualItemRect(item).center();
    QWidget* viewport = list->viewport();
    std::vector<QEvent::Type> events = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
    if (twice) events.insert(events.end(), {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease});
    for (QEvent::Type type : events) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
}
