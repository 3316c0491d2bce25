// The worklist picker of the user management dialog: asks the archive for a day's scheduled
// patients (off the user-interface thread, with a Cancel that ends the wait at once) and lets the
// user pick one, or choose another day.
#pragma once

#include <QDate>
#include <QDialog>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "dicom/pacsclient.h"

class QDateEdit;
class QLabel;
class QTableWidget;

class CWorklistDlg : public QDialog {
    Q_OBJECT
public:
    // What exec() returns when the user asks for another day's list (OtherDay() names it).
    static constexpr int kOtherDay = 2;

    // `cut`: the archive had more entries than kavimo takes; the dialog says so. `notes`: what
    // was left out or mended of the archive's answers, shown under the list.
    CWorklistDlg(const std::vector<dicom::WorklistEntry>& entries, const QDate& day, bool cut,
                 const std::vector<std::string>& notes, QWidget* parent = nullptr);

    // The picked entry's index, -1 when none.
    int PickedIndex() const;
    // The day the date box names.
    QDate OtherDay() const;
    QTableWidget* Table() const { return m_table; }

private:
    QTableWidget* m_table = nullptr;
    QDateEdit* m_date = nullptr;
};

// Queries the worklist of today under the configured filter (dicom::CurrentWorklistFilter: the
// modality, this station or all); shows the picker, in which another day may be chosen, and
// returns true with the picked entry. Shows why when the archive is not set or cannot be asked.
// While a query runs a progress dialog ("WorklistProgress") offers Cancel (and Esc), which
// returns false at once; the query itself ends within its deadline.
bool PickWorklistPatient(QWidget* parent, const dicom::PacsAddress& address, dicom::WorklistEntry* picked);

// A worklist name as kavimo shows names: of "alphabetic=ideographic=phonetic", the ideographic
// group where the worklist gives one (a Chinese or Japanese name in its own characters), else the
// alphabetic one; its components in order, separated by spaces, except between two components
// written in ideographs ("王^芳" is 王芳).
QString WorklistDisplayName(const std::string& personName);
