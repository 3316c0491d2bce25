// The worklist picker of the user management dialog: asks the archive for the day's scheduled
// patients (off the user-interface thread) and lets the user pick one.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "dicom/pacsclient.h"

class QTableWidget;

class CWorklistDlg : public QDialog {
    Q_OBJECT
public:
    CWorklistDlg(const std::vector<dicom::WorklistEntry>& entries, const QString& day, QWidget* parent = nullptr);

    // The picked entry's index, -1 when none.
    int PickedIndex() const;
    QTableWidget* Table() const { return m_table; }

private:
    QTableWidget* m_table = nullptr;
};

// Queries the worklist of today; shows the picker and returns true with the picked entry. Shows
// why when the archive is not set or cannot be asked.
bool PickWorklistPatient(QWidget* parent, const dicom::PacsAddress& address, dicom::WorklistEntry* picked);

// A worklist name ("Family^Given^Middle...") as kavimo shows names: the components in order,
// separated by spaces.
QString WorklistDisplayName(const std::string& personName);
