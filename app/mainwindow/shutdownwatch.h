// ShutdownWatch: SIGTERM and SIGHUP (the session ending, the system shutting down, a service
// manager stopping kavimo) turned into a Qt signal on the user-interface thread, so that the
// main window can keep the unsaved work before the process ends. The handlers write the signal's
// number into a pipe; a socket notifier reads it on the thread that made the watch.
//
// One watch at a time; while it lives it owns the two signals' handlers, and its destruction
// gives them back to the default.
#pragma once

#include <QObject>

class QSocketNotifier;

class ShutdownWatch : public QObject {
    Q_OBJECT
public:
    explicit ShutdownWatch(QObject* parent = nullptr);
    ~ShutdownWatch() override;
    // The handlers are installed.
    bool Active() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void shutdownRequested(int signal);

private:
    void OnReadable();
    QSocketNotifier* m_notifier = nullptr;
};
