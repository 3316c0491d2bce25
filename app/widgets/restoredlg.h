// CRestoreDlg: what can come back from the trash (deleted pictures of the patient, or deleted
// patients), one row each, newest first; the user chooses rows and presses "Restore".
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>
#include <vector>

#include "records/trash.h"

class QListWidget;
class QPushButton;

class CRestoreDlg : public QDialog {
    Q_OBJECT
public:
    CRestoreDlg(const QString& title, const std::vector<records::TrashEntry>& entries, QWidget* parent = nullptr);

    // The ids of the entries chosen.
    std::vector<std::string> ChosenIds() const;
    QListWidget* List() const { return m_list; }

    // How a row reads: a picture's time, or a patient's UID, name and pictures; and when it was
    // deleted.
    static QString RowText(const records::TrashEntry& entry);

    // Runs the dialog (or the hook tests put in its place) and returns the ids chosen; nothing when
    // cancelled.
    static std::vector<std::string> Choose(QWidget* parent, const QString& title,
                                           const std::vector<records::TrashEntry>& entries);

private:
    QListWidget* m_list = nullptr;
    QPushButton* m_restore = nullptr;
    std::vector<records::TrashEntry> m_entries;  // in the order of the rows
};

// Replaces the modal run of the dialog (tests choose rows and press its buttons); an empty
// function restores the modal run. User-interface thread only.
using RestoreDialogHook = std::function<void(CRestoreDlg&)>;
void SetRestoreDialogHook(RestoreDialogHook hook);
