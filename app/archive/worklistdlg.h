// The worklist picker of the user management dialog: asks the archive for the day's scheduled
// patients (off the user-interface thread, with a Cancel that ends the wait at once) and lets the
// user pick one.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "dicom/pacsclient.h"

class QTableWidget;

class CWorklistDlg : public QDialog {
    Q_OBJECT
public:
    // `cut`: the archive had more entries than kavimo takes; the dialog says so.
    CWorklistDlg(const std::vector<dicom::WorklistEntry>& entries, const QString& day, bool cut,
                 QWidget* parent = nullptr);

    // The picked entry's index, -1 when none.
    int PickedIndex() const;
    QTableWidget* Table() const { return m_table; }

private:
    QTableWidget* m_table = nullptr;
};

// Queries the worklist of today; shows the picker and returns true with the picked entry. Shows
// why when the archive is not set or cannot be asked. While the query runs a progress dialog
// ("WorklistProgress") offers Cancel (and Esc), which returns false at once; the query itself
// ends within its deadline.
bool PickWorklistPatient(QWidget* parent, const dicom::PacsAddress& address, dicom::WorklistEntry* picked);

// A worklist name ("Family^Given^Middle...") as kavimo shows names: the components in order,
// separated by spaces.
QString WorklistDisplayName(const std::string& personName);
