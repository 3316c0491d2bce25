// CUserList: the "User Management" dialog in which the dentist picks the current patient,
// creates, modifies, finds and deletes patients, rebuilds a patient's picture list from the files
// on disk, previews the patient's pictures and sets the hospital name.
//
// The dialog's result is the records store's current patient: the owner reads it back with
// GetCurrentUser after the dialog has closed. Everything runs on the user-interface thread.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QItemSelection>

#include <functional>

#include "records/patientdetails.h"
#include "records/recordstore.h"

#include "dicom/pacsclient.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTextEdit;

// The picture preview: the whole picture stretched into the frame, or grey when there is none.
class CPreviewFrame : public QFrame {
    Q_OBJECT
public:
    explicit CPreviewFrame(QWidget* parent = nullptr);
    // Loads and shows a picture file (host path); false leaves the preview as it was.
    bool ShowPicture(const QString& hostPath);
    void ShowEmpty();
    bool IsEmpty() const { return m_picture.isNull(); }
    QString ShownPath() const { return m_path; }
    // What the frame shows, drawn into an image of its size.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Draw(QPainter& painter, const QRect& area) const;
    QImage m_picture;
    QString m_path;
};

class CUserList : public QDialog {
    Q_OBJECT
public:
    enum Id : int {
        IdOK = 1,
        IdCancel = 2,
        IdUserList = 1001,
        IdPictureList = 1030,
        IdPreview = 1029,
        IdName = 1016,
        IdAge = 1017,
        IdSex = 1022,
        IdPhone = 1018,
        IdDescription = 1013,
        IdHospital = 1062,
        IdSet = 1009,
        IdUpdate = 1007,
        IdQuery = 1006,
        IdModify = 1005,
        IdCreate = 1004,
        IdDelete = 1008,
        IdWorklist = 1063,
        IdRestorePatients = 1064,
        IdBirthDate = 1065,
    };

    // Builds the dialog and runs its initialisation (the patient list, the selection of the
    // patient that was current last time, its pictures).
    explicit CUserList(RecordStore& store, QWidget* parent = nullptr);
    ~CUserList() override;

    // The clock that names new patients (local time); tests substitute their own.
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    // The archive whose worklist the "Worklist" button reads, and how it asks (tests substitute
    // their own picker).
    void SetPacsAddress(const dicom::PacsAddress& address) { m_pacs = address; }
    using WorklistPicker = std::function<bool(QWidget*, const dicom::PacsAddress&, dicom::WorklistEntry*)>;
    void SetWorklistPicker(WorklistPicker picker) { m_pickWorklist = std::move(picker); }

    int InitialIndex() const { return m_nInitialIndex; }
    int EditedRow() const { return m_nEditedRow; }

    QTableWidget* UserList() const { return m_userList; }
    // The search box (as you type: part of the name, ID or phone, any case) and the line that
    // says nothing matches.
    QLineEdit* SearchBox() const { return m_search; }
    QLabel* NoMatchLine() const { return m_noMatch; }
    QTableWidget* PictureList() const { return m_pictureList; }
    CPreviewFrame* Preview() const { return m_preview; }

    // The texts of a patient-list row: hidden row number, No., User ID, Name, Age, Sex, Phone,
    // Disease. The name, sex and phone as typed come from the patient's details when given.
    static QStringList UserRowTexts(const _USER_INFO& user, int rowNumber,
                                    const records::PatientDetails* details = nullptr);

    // Number parsing as the edit boxes are read: leading blanks, an optional sign and the digits
    // that follow; anything else ends the number, no digits give 0; out-of-range values saturate.
    static int ParseInt32(const QString& text);
    static qint64 ParseInt64(const QString& text);

public Q_SLOTS:
    void accept() override;  // OK
    void reject() override;  // Cancel, Esc and closing the window

private Q_SLOTS:
    void OnCreate();
    void OnModify();
    void OnQuery();
    void OnDelete();
    void OnUpdate();
    void OnSetHospital();
    void OnWorklist();
    void OnRestorePatients();
    void OnUserListDoubleClicked();
    void OnUserSelectionChanged(const QItemSelection& selected);
    void OnPictureSelectionChanged(const QItemSelection& selected);

private:
    void BuildControls();
    void OnInitDialog();
    void FillUserList();
    void AppendUserRow(const _USER_INFO& user);
    void SetRowTexts(int row, const QStringList& texts);
    void LoadUserRow(int row);
    void FillPictureList();
    void PreviewPicture(const std::string& logicalPath);
    void SelectRowAndFocus(int row, bool focus = true);
    // The rows stay in store order (row i is patient i); sorting and searching only reorder and
    // hide them on screen.
    void SortBy(int column);
    void ApplySort();
    void ApplySearch();
    bool RowMatches(int row, const QStringList& words) const;
    void SetSearchKey(int row, const _USER_INFO& user, const records::PatientDetails& details);
    int FirstSelectedRow(QTableWidget* list) const;
    void RenumberRows();
    QString DeletionDetail() const;
    bool ReadPatientFields(_USER_INFO* user, bool withDescription, records::PatientDetails* details);
    void ShowPatientFields(const _USER_INFO& user);
    void WriteDetails(const _USER_INFO& user, const records::PatientDetails& details);
    void WriteOrder(const _USER_INFO& user, const records::PatientOrder& order);
    void Message(const QString& text);

    RecordStore& m_store;
    std::function<QDateTime()> m_clock;
    int m_nInitialIndex = 0;
    int m_nEditedRow = -1;

    QTableWidget* m_userList = nullptr;
    QTableWidget* m_pictureList = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_noMatch = nullptr;
    int m_sortColumn = -1;  // none: store order
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    CPreviewFrame* m_preview = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_age = nullptr;
    QLineEdit* m_birthDate = nullptr;
    QComboBox* m_sex = nullptr;
    QLineEdit* m_phone = nullptr;
    QTextEdit* m_description = nullptr;
    QLineEdit* m_hospital = nullptr;

    dicom::PacsAddress m_pacs;
    WorklistPicker m_pickWorklist;
    // The worklist entry the fields were filled from, kept with the patient made by Create.
    bool m_hasWorklistEntry = false;
    dicom::WorklistEntry m_worklistEntry;
};
