// The "User Management" dialog against a real records store on a temporary d: drive.
#include <QtTest>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextEdit>

#include "app/patients/userlist.h"
#include "app/widgets/restoredlg.h"
#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dicom/patient.h"
#include "dicom/patientpictures.h"
#include "dicom/pictureobject.h"
#include "platform/paths.h"
#include "records/patientdetails.h"
#include "records/recordnames.h"
#include "tests/app/support/apptestsupport.h"

namespace {
const QString kCaption = QStringLiteral("Oral image acquisition system");

QString Cell(QTableWidget* list, int row, int column) {
    QTableWidgetItem* item = list->item(row, column);
    return item ? item->text() : QString();
}

void Click(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

void SetText(QDialog& dialog, const char* name, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(edit, name);
    edit->setText(text);
}

void SelectOnly(QTableWidget* list, int row) {
    list->clearSelection();
    list->selectRow(row);
}
}  // namespace

class UserListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensOnTheLastPatientWithItsRow();
    void validationMessagesComeInOrder();
    void createAppendsARowAndReportsARefusal();
    void queryByNameAndByPhoneWraps();
    void searchAsYouTypeAndSortKeepRowsOnTheirPatients();
    void deletingTheFirstOfThreeRenumbers();
    void deletedPatientsAreAskedForOnceAndComeBack();
    void cancelAfterDeletingTheInitialPatientLeavesNone();
    void cancelReturnsToTheInitialPatient();
    void modifyStoresAndShowsALongDescriptionShortened();
    void emptyListShowsNothingAndOkSelectsNobody();
    void hospitalNameIsSetWithItsMessages();
    void updateListsAndPreviewsThePatientsPictures();
    void numbersAreReadAsTheBoxesHoldThem();
    void aFullListRefusesANewPatientWithAMessage();
    void doubleClickPicksTheRowAndCloses();
    void worklistEntryFillsTheFieldsAndGoesWithTheCreatedPatient();
    void worklistNameInIdeographsIsShownAndItsOrderKept();
    void whatWasTypedIsKeptBesideTheUnchangedRecord();

private:
    std::unique_ptr<TestDrive> m_drive;
    std::unique_ptr<QtRecordNotifier> m_notifier;
    std::unique_ptr<RecordStore> m_store;
    void openStore(bool withDefaultPatient = true);
    void addPatients();
};

void UserListTest::init() {
    m_drive = std::make_unique<TestDrive>();
    m_notifier = std::make_unique<QtRecordNotifier>();
}

void UserListTest::cleanup() {
    m_store.reset();
    m_notifier.reset();
    m_drive.reset();
}

void UserListTest::openStore(bool withDefaultPatient) {
    if (!withDefaultPatient) QVERIFY(QDir().mkpath(m_drive->workDir()));
    m_store = std::make_unique<RecordStore>(m_notifier.get());
    m_store->PrepareWorkDir();
    m_store->Load();
    m_drive->messages.clear();
}

// Test User (the default patient), then Anna, Ben, Anna.
void UserListTest::addPatients() {
    QCOMPARE(m_store->AddUser(MakePatient(20240101100000ull, u"Anna", 30, 0, 111)), 1);
    QCOMPARE(m_store->AddUser(MakePatient(20240101100001ull, u"Ben", 40, 1, 222)), 1);
    QCOMPARE(m_store->AddUser(MakePatient(20240101100002ull, u"Anna", 50, 0, 333)), 1);
}

void UserListTest::opensOnTheLastPatientWithItsRow() {
    openStore();
    addPatients();
    m_store->SelectUser(2);
    m_store->CommitCurrentUser();  // last index 2
    CUserList dialog(*m_store);
    QCOMPARE(dialog.InitialIndex(), 2);
    QTableWidget* users = dialog.UserList();
    QCOMPARE(users->rowCount(), 4);
    QCOMPARE(Cell(users, 0, 1), QStringLiteral("1"));
    QCOMPARE(Cell(users, 0, 2), QStringLiteral("UID20170801102233"));
    QCOMPARE(Cell(users, 0, 3), QStringLiteral("Test User"));
    QCOMPARE(Cell(users, 0, 4), QStringLiteral("33"));
    QCOMPARE(Cell(users, 0, 5), QStringLiteral("Male"));
    QCOMPARE(Cell(users, 0, 6), QStringLiteral("12345678901"));
    QCOMPARE(Cell(users, 0, 7), QStringLiteral("......"));
    QCOMPARE(Cell(users, 1, 5), QStringLiteral("Female"));
    QVERIFY(users->isColumnHidden(0));
    // The full ID is readable without widening the column.
    QVERIFY(users->fontMetrics().horizontalAdvance(Cell(users, 0, 2)) + 8 <= users->columnWidth(2));
    QCOMPARE(users->verticalHeader()->defaultSectionSize(), 28);
    // Row 2 is selected and loaded into the boxes; it is the current patient.
    QCOMPARE(users->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(users->selectionModel()->selectedRows().first().row(), 2);
    QCOMPARE(dialog.findChild<QLineEdit*>("IdName")->text(), QStringLiteral("Ben"));
    QCOMPARE(dialog.findChild<QComboBox*>("IdSex")->currentText(), QStringLiteral("Male"));
    QCOMPARE(dialog.findChild<QLineEdit*>("IdPhone")->text(), QStringLiteral("222"));
    QCOMPARE(m_store->CurrentIndex(), 2);
    QCOMPARE(dialog.EditedRow(), 2);
    QVERIFY(dialog.Preview()->IsEmpty());

    // Picking another row loads it and makes it current; OK keeps it.
    SelectOnly(users, 1);
    QCOMPARE(dialog.findChild<QLineEdit*>("IdName")->text(), QStringLiteral("Anna"));
    QCOMPARE(m_store->CurrentIndex(), 1);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_store->CurrentIndex(), 1);
}

void UserListTest::validationMessagesComeInOrder() {
    openStore();
    CUserList dialog(*m_store);
    SetText(dialog, "IdName", QString());
    SetText(dialog, "IdAge", QString());
    SetText(dialog, "IdPhone", QString());
    Click(dialog, "IdCreate");
    SetText(dialog, "IdName", QStringLiteral("Anna"));
    SetText(dialog, "IdAge", QStringLiteral("abc"));
    Click(dialog, "IdCreate");
    SetText(dialog, "IdAge", QStringLiteral("30"));
    SetText(dialog, "IdPhone", QStringLiteral("phone"));
    Click(dialog, "IdCreate");
    // Modify validates the same way.
    SetText(dialog, "IdName", QString());
    Click(dialog, "IdModify");
    QCOMPARE(m_drive->messages, QStringList({kCaption + "|Please enter name！", kCaption + "|Please enter age！",
                                             kCaption + "|Please enter phone！", kCaption + "|Please enter name！"}));
    QCOMPARE(dialog.UserList()->rowCount(), 1);
    QCOMPARE(m_store->UserCount(), 1);
}

void UserListTest::createAppendsARowAndReportsARefusal() {
    openStore();
    CUserList dialog(*m_store);
    dialog.SetClock([] { return QDateTime(QDate(2026, 12, 6), QTime(19, 5, 7)); });
    SetText(dialog, "IdName", QStringLiteral("Carla"));
    SetText(dialog, "IdAge", QStringLiteral("41"));
    dialog.findChild<QComboBox*>("IdSex")->setCurrentIndex(-1);
    dialog.findChild<QComboBox*>("IdSex")->clearEditText();
    SetText(dialog, "IdPhone", QStringLiteral("5551234"));
    // The sex must be chosen: no patient is made "male" for want of a choice.
    Click(dialog, "IdCreate");
    QCOMPARE(m_drive->messages, QStringList({kCaption + "|Please choose sex (Female, Male, Other or Unknown)！"}));
    QCOMPARE(m_store->UserCount(), 1);
    m_drive->messages.clear();
    dialog.findChild<QComboBox*>("IdSex")->setCurrentText(QStringLiteral("Other"));
    Click(dialog, "IdCreate");
    QCOMPARE(m_drive->messages, QStringList());
    QTableWidget* users = dialog.UserList();
    QCOMPARE(users->rowCount(), 2);
    QCOMPARE(Cell(users, 1, 1), QStringLiteral("2"));
    QCOMPARE(Cell(users, 1, 2), QStringLiteral("UID20261206190507"));
    QCOMPARE(Cell(users, 1, 3), QStringLiteral("Carla"));
    QCOMPARE(Cell(users, 1, 4), QStringLiteral("41"));
    QCOMPARE(Cell(users, 1, 5), QStringLiteral("Other"));
    QCOMPARE(Cell(users, 1, 6), QStringLiteral("5551234"));
    _USER_INFO added = {};
    m_store->GetUser(1, &added);
    QCOMPARE(added.sex, -1);  // the record knows only female and male
    QCOMPARE(added.uid, 20261206190507ull);
    QVERIFY(QFileInfo(PatientDir(*m_drive, added.uid) + "/UserInfoBackup.fdb").isFile());

    // A second patient within the same second is refused, and the dentist is told.
    SetText(dialog, "IdName", QStringLiteral("Dora"));
    Click(dialog, "IdCreate");
    QCOMPARE(m_drive->messages.size(), 1);
    QVERIFY(m_drive->messages[0].startsWith(kCaption + "|A patient was created less than a second ago"));
    QCOMPARE(users->rowCount(), 2);
    QCOMPARE(m_store->UserCount(), 2);

    // A second later it works; the record's name is cut to 15 characters, the row shows it whole.
    dialog.SetClock([] { return QDateTime(QDate(2026, 12, 6), QTime(19, 5, 8)); });
    SetText(dialog, "IdName", QStringLiteral("Dorothea-Margarethe"));
    dialog.findChild<QComboBox*>("IdSex")->setCurrentIndex(0);
    Click(dialog, "IdCreate");
    QCOMPARE(users->rowCount(), 3);
    QCOMPARE(Cell(users, 2, 3), QStringLiteral("Dorothea-Margarethe"));
    QCOMPARE(Cell(users, 2, 5), QStringLiteral("Female"));
    m_store->GetUser(2, &added);
    QCOMPARE(records::FieldText(added.name), std::u16string(u"Dorothea-Margar"));
}

void UserListTest::queryByNameAndByPhoneWraps() {
    openStore();
    addPatients();
    CUserList dialog(*m_store);
    QTableWidget* users = dialog.UserList();
    auto selectedRow = [users] {
        const QModelIndexList rows = users->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    };
    SetText(dialog, "IdName", QStringLiteral("Anna"));
    Click(dialog, "IdQuery");
    QCOMPARE(selectedRow(), 1);
    QCOMPARE(m_store->CurrentIndex(), 1);
    QCOMPARE(dialog.findChild<QLineEdit*>("IdPhone")->text(), QStringLiteral("111"));
    Click(dialog, "IdQuery");
    QCOMPARE(selectedRow(), 3);
    QCOMPARE(dialog.findChild<QLineEdit*>("IdPhone")->text(), QStringLiteral("333"));
    Click(dialog, "IdQuery");  // wraps to the first match
    QCOMPARE(selectedRow(), 1);

    // Any case and any part of the name; a miss says so and keeps the patient shown.
    SetText(dialog, "IdName", QStringLiteral("nN"));
    Click(dialog, "IdQuery");
    QCOMPARE(selectedRow(), 3);
    SetText(dialog, "IdName", QStringLiteral("Zoe"));
    Click(dialog, "IdQuery");
    QCOMPARE(selectedRow(), 3);
    QCOMPARE(m_store->CurrentIndex(), 3);
    QVERIFY(dialog.NoMatchLine()->isVisibleTo(&dialog));
    QVERIFY(dialog.NoMatchLine()->text().contains(QStringLiteral("Zoe")));

    // With no name, the phone is the key.
    SetText(dialog, "IdName", QString());
    SetText(dialog, "IdPhone", QStringLiteral("222"));
    Click(dialog, "IdQuery");
    QCOMPARE(selectedRow(), 2);
    QCOMPARE(dialog.findChild<QLineEdit*>("IdName")->text(), QStringLiteral("Ben"));
    QCOMPARE(m_drive->messages, QStringList());
}

void UserListTest::searchAsYouTypeAndSortKeepRowsOnTheirPatients() {
    openStore();
    addPatients();
    // Ben's whole name and an outside ID are in his details file only.
    _USER_INFO ben = {};
    QCOMPARE(m_store->GetUser(2, &ben), 2);
    records::PatientDetails details;
    details.name = "Ben Okafor-Lindqvist";
    details.phone = "222";
    details.patientId = "PID-77";
    std::string error;
    QVERIFY(records::WritePatientDetails(platform::HostPath(records::RecordDirPath(ben)), details, &error));
    CUserList dialog(*m_store);
    QTableWidget* users = dialog.UserList();
    auto shown = [users] {
        QList<int> rows;  // in screen order
        for (int v = 0; v < users->rowCount(); ++v) {
            const int row = users->verticalHeader()->logicalIndex(v);
            if (!users->isRowHidden(row)) rows << row;
        }
        return rows;
    };
    auto selectedRow = [users] {
        const QModelIndexList rows = users->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    };
    const auto search = [&](const char* text) { QTest::keyClicks(dialog.SearchBox(), QString::fromUtf8(text)); };

    search("ANN");
    QCOMPARE(shown(), QList<int>({1, 3}));
    QVERIFY(!dialog.NoMatchLine()->isVisibleTo(&dialog));
    QVERIFY(shown().contains(selectedRow()));  // the fields show a patient that is listed
    QCOMPARE(m_store->CurrentIndex(), selectedRow());
    dialog.SearchBox()->clear();
    search("okafor");
    QCOMPARE(shown(), QList<int>({2}));
    QCOMPARE(selectedRow(), 2);
    dialog.SearchBox()->clear();
    search("pid-77");
    QCOMPARE(shown(), QList<int>({2}));
    dialog.SearchBox()->clear();
    search("333");
    QCOMPARE(shown(), QList<int>({3}));
    dialog.SearchBox()->clear();
    search("20240101100001");  // the record's own ID
    QCOMPARE(shown(), QList<int>({2}));
    search("9");
    QVERIFY(shown().isEmpty());
    QVERIFY(dialog.NoMatchLine()->isVisibleTo(&dialog));
    QVERIFY(dialog.NoMatchLine()->text().contains(QStringLiteral("1000019")));
    QCOMPARE(m_store->CurrentIndex(), 2);  // nothing listed: the patient shown stays
    dialog.SearchBox()->clear();
    QCOMPARE(shown(), QList<int>({0, 1, 2, 3}));
    QVERIFY(!dialog.NoMatchLine()->isVisibleTo(&dialog));

    // A click on a title sorts by it, a second click the other way; the rows stay on their
    // patients, so moving through the sorted list selects the patient under the highlight.
    QHeaderView* titles = users->horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(3) + 5, 5));
    QCOMPARE(shown(), QList<int>({1, 3, 2, 0}));  // Anna, Anna, Ben, Test
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(3) + 5, 5));
    QCOMPARE(shown(), QList<int>({0, 2, 1, 3}));
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(4) + 5, 5));
    QCOMPARE(shown(), QList<int>({1, 0, 2, 3}));  // ages 30, 33, 40, 50
    SelectOnly(users, 1);
    users->setCurrentCell(1, 1);
    QTest::keyClick(users, Qt::Key_Down);
    QCOMPARE(selectedRow(), 0);
    QCOMPARE(m_store->CurrentIndex(), 0);
    QCOMPARE(Cell(users, 0, 3), QStringLiteral("Test User"));
    search("e");
    QCOMPARE(shown(), QList<int>({0, 2}));  // sorted and searched
}

void UserListTest::deletingTheFirstOfThreeRenumbers() {
    openStore();
    QCOMPARE(m_store->AddUser(MakePatient(20240101100000ull, u"Anna", 30, 0, 111)), 1);
    QCOMPARE(m_store->AddUser(MakePatient(20240101100001ull, u"Ben", 40, 1, 222)), 1);
    CUserList dialog(*m_store);
    QTableWidget* users = dialog.UserList();
    SelectOnly(users, 0);

    m_drive->reply = QMessageBox::Cancel;
    Click(dialog, "IdDelete");
    QCOMPARE(users->rowCount(), 3);
    QCOMPARE(m_drive->messages.size(), 1);
    QVERIFY(m_drive->messages[0].startsWith(
        "User Management|Are you sure delete？\n\nDelete the patient Test User (UID20170801102233) and 0 pictures?"));

    m_drive->reply = QMessageBox::Ok;
    Click(dialog, "IdDelete");
    QCOMPARE(users->rowCount(), 2);
    QCOMPARE(Cell(users, 0, 1), QStringLiteral("1"));
    QCOMPARE(Cell(users, 1, 1), QStringLiteral("2"));
    QCOMPARE(Cell(users, 0, 3), QStringLiteral("Anna"));
    QCOMPARE(m_store->UserCount(), 2);
    QVERIFY(!QFileInfo::exists(PatientDir(*m_drive, 20170801102233ull)));
    QCOMPARE(QFileInfo(m_drive->workDir() + "/UserList.fdb").size(), 2 * 1032);
    QCOMPARE(m_store->CurrentIndex(), 0);

    // Several selected rows go together.
    users->selectAll();
    Click(dialog, "IdDelete");
    QCOMPARE(users->rowCount(), 0);
    QCOMPARE(m_store->UserCount(), 0);
}

void UserListTest::deletedPatientsAreAskedForOnceAndComeBack() {
    openStore();
    addPatients();
    const uint64_t anna = 20240101100000ull;
    QCOMPARE(m_store->SelectUser(1), 1);
    for (const char* name : {"/20240101110000.jpg", "/20240101110001.jpg"})
        QVERIFY(WriteJpeg(PatientDir(*m_drive, anna) + QLatin1String(name), 16, 16, Qt::red));
    QCOMPARE(m_store->RebuildPictures(), 1);
    m_store->Flush();
    QFile list(m_drive->workDir() + "/UserList.fdb");
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QByteArray before = list.readAll();
    list.close();
    CUserList dialog(*m_store);
    QTableWidget* users = dialog.UserList();

    // Ctrl+A and Delete: one question that says how much goes.
    QTest::keyClick(users, Qt::Key_A, Qt::ControlModifier);
    m_drive->messages.clear();
    m_drive->reply = QMessageBox::Ok;
    Click(dialog, "IdDelete");
    QCOMPARE(m_drive->messages.size(), 1);
    QVERIFY(m_drive->messages[0].contains("Delete 4 patients and their 2 pictures?"));
    QCOMPARE(users->rowCount(), 0);
    QVERIFY(!QFileInfo::exists(PatientDir(*m_drive, anna)));

    // All four come back from the trash, in their places, with their pictures.
    struct HookReset {
        ~HookReset() { SetRestoreDialogHook({}); }
    } reset;
    int offered = 0;
    SetRestoreDialogHook([&](CRestoreDlg& restore) {
        offered = restore.List()->count();
        restore.List()->selectAll();
        restore.findChild<QPushButton*>(QStringLiteral("IdRestore"))->click();
    });
    Click(dialog, "IdRestorePatients");
    QCOMPARE(offered, 4);
    QCOMPARE(users->rowCount(), 4);
    QCOMPARE(Cell(users, 1, 3), QStringLiteral("Anna"));
    QCOMPARE(Cell(users, 2, 3), QStringLiteral("Ben"));
    QVERIFY(QFileInfo::exists(PatientDir(*m_drive, anna) + "/20240101110001.jpg"));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), before);
    m_drive->messages.clear();
    Click(dialog, "IdRestorePatients");  // nothing left to restore
    QCOMPARE(m_drive->messages, QStringList({kCaption + "|There are no deleted patients to restore."}));
}

void UserListTest::cancelAfterDeletingTheInitialPatientLeavesNone() {
    openStore();
    QCOMPARE(m_store->AddUser(MakePatient(20240101100000ull, u"Anna", 30, 0, 111)), 1);
    CUserList dialog(*m_store);
    QCOMPARE(dialog.InitialIndex(), 0);
    SelectOnly(dialog.UserList(), 0);
    Click(dialog, "IdDelete");
    QCOMPARE(dialog.InitialIndex(), -1);
    dialog.reject();
    _USER_INFO user = {};
    QCOMPARE(m_store->GetCurrentUser(&user), -1);
    QCOMPARE(m_store->UserCount(), 1);
}

void UserListTest::cancelReturnsToTheInitialPatient() {
    openStore();
    addPatients();  // Test User, Anna, Ben, Anna
    m_store->SelectUser(2);
    m_store->CommitCurrentUser();  // Ben was current last
    {
        CUserList dialog(*m_store);
        QCOMPARE(dialog.InitialIndex(), 2);
        SelectOnly(dialog.UserList(), 3);
        QCOMPARE(m_store->CurrentIndex(), 3);
        dialog.reject();
        QCOMPARE(m_store->CurrentIndex(), 2);
    }
    {
        // Deleting a row above the initial one keeps Cancel on the same patient.
        CUserList dialog(*m_store);
        SelectOnly(dialog.UserList(), 0);
        Click(dialog, "IdDelete");
        QCOMPARE(dialog.InitialIndex(), 1);
        dialog.reject();
    }
    _USER_INFO user = {};
    QCOMPARE(m_store->GetCurrentUser(&user), 1);
    QCOMPARE(records::FieldText(user.name), std::u16string(u"Ben"));
}

void UserListTest::modifyStoresAndShowsALongDescriptionShortened() {
    openStore();
    CUserList dialog(*m_store);
    QTableWidget* users = dialog.UserList();
    SelectOnly(users, 0);
    QString description;
    for (int i = 0; i < 400; ++i) description += QChar(u'a' + i % 26);
    dialog.findChild<QTextEdit*>("IdDescription")->setPlainText(description);
    SetText(dialog, "IdName", QStringLiteral("Tess"));
    SetText(dialog, "IdAge", QStringLiteral("34"));
    Click(dialog, "IdModify");
    QCOMPARE(m_drive->messages, QStringList());
    _USER_INFO user = {};
    QCOMPARE(m_store->GetCurrentUser(&user), 0);
    const std::u16string stored = records::FieldText(user.description);
    QCOMPARE(int(stored.size()), 349);
    QCOMPARE(QString::fromStdU16String(stored), description.left(349));
    QCOMPARE(Cell(users, 0, 7), description.left(16) + QStringLiteral("......"));
    QCOMPARE(Cell(users, 0, 3), QStringLiteral("Tess"));
    QCOMPARE(Cell(users, 0, 4), QStringLiteral("34"));
    QCOMPARE(Cell(users, 0, 5), QStringLiteral("male"));  // lower case until the list is filled again
    CUserList again(*m_store);
    QCOMPARE(Cell(again.UserList(), 0, 5), QStringLiteral("Male"));
    QCOMPARE(Cell(again.UserList(), 0, 7), description.left(16) + QStringLiteral("......"));
}

void UserListTest::emptyListShowsNothingAndOkSelectsNobody() {
    openStore(false);
    QCOMPARE(m_store->UserCount(), 0);
    CUserList dialog(*m_store);
    QCOMPARE(dialog.UserList()->rowCount(), 0);
    QCOMPARE(dialog.PictureList()->rowCount(), 0);
    QVERIFY(dialog.findChild<QLineEdit*>("IdName")->text().isEmpty());
    QCOMPARE(dialog.findChild<QComboBox*>("IdSex")->currentIndex(), -1);
    QVERIFY(dialog.Preview()->IsEmpty());
    const QImage preview = dialog.Preview()->Render();
    QCOMPARE(QColor(preview.pixel(preview.width() / 2, preview.height() / 2)), QColor(150, 150, 150));
    dialog.accept();
    QCOMPARE(m_store->GetCurrentUser(nullptr), -1);
    QCOMPARE(m_drive->messages, QStringList());
}

void UserListTest::hospitalNameIsSetWithItsMessages() {
    openStore();
    {
        CUserList dialog(*m_store);
        QVERIFY(dialog.findChild<QLineEdit*>("IdHospital")->text().isEmpty());
        Click(dialog, "IdSet");
        SetText(dialog, "IdHospital", QStringLiteral("Smile Clinic 微笑"));
        Click(dialog, "IdSet");
    }
    QCOMPARE(m_drive->messages,
             QStringList({kCaption + "|Please enter hospital name！", kCaption + "|Set hospital successfull！"}));
    QCOMPARE(QString::fromStdU16String(m_store->GetHospital()), QStringLiteral("Smile Clinic 微笑"));
    CUserList reopened(*m_store);
    QCOMPARE(reopened.findChild<QLineEdit*>("IdHospital")->text(), QStringLiteral("Smile Clinic 微笑"));
}

void UserListTest::updateListsAndPreviewsThePatientsPictures() {
    openStore();
    const QString dir = PatientDir(*m_drive, 20170801102233ull);
    QVERIFY(WriteJpeg(dir + "/20240315093005.jpg", 64, 48, QColor(220, 20, 20)));
    QVERIFY(WriteJpeg(dir + "/20240315093006.jpg", 64, 48, QColor(20, 20, 220)));
    CUserList dialog(*m_store);
    QCOMPARE(dialog.PictureList()->rowCount(), 0);  // not yet in the patient's list
    SelectOnly(dialog.UserList(), 0);
    Click(dialog, "IdUpdate");
    QTableWidget* pictures = dialog.PictureList();
    QCOMPARE(pictures->rowCount(), 2);
    QCOMPARE(Cell(pictures, 0, 1), QStringLiteral("1"));
    const QRegularExpression time(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}$"));
    QVERIFY2(time.match(Cell(pictures, 0, 2)).hasMatch(), qPrintable(Cell(pictures, 0, 2)));
    // The first picture is previewed, stretched over the whole frame.
    QImage shown = dialog.Preview()->Render();
    QVERIFY(!dialog.Preview()->IsEmpty());
    QColor corner(shown.pixel(2, 2));
    QVERIFY2(corner.red() > 180 && corner.blue() < 80, qPrintable(corner.name()));
    QColor centre(shown.pixel(shown.width() / 2, shown.height() / 2));
    QVERIFY(centre.red() > 180 && centre.blue() < 80);

    // Selecting the second picture previews it; a picture that cannot be read leaves it.
    pictures->selectRow(1);
    shown = dialog.Preview()->Render();
    QColor second(shown.pixel(shown.width() / 2, shown.height() / 2));
    QVERIFY2(second.blue() > 180 && second.red() < 80, qPrintable(second.name()));
    QFile::remove(dir + "/20240315093005.jpg");
    pictures->clearSelection();
    pictures->selectRow(0);
    QCOMPARE(dialog.Preview()->Render(), shown);
}

void UserListTest::numbersAreReadAsTheBoxesHoldThem() {
    QCOMPARE(CUserList::ParseInt32(QStringLiteral("abc")), 0);
    QCOMPARE(CUserList::ParseInt32(QStringLiteral("  42 years")), 42);
    QCOMPARE(CUserList::ParseInt32(QStringLiteral("-7")), -7);
    QCOMPARE(CUserList::ParseInt32(QStringLiteral("99999999999")), std::numeric_limits<int>::max());
    QCOMPARE(CUserList::ParseInt64(QStringLiteral("12345678901")), Q_INT64_C(12345678901));
    QCOMPARE(CUserList::ParseInt64(QStringLiteral("+86 10")), Q_INT64_C(86));
    QCOMPARE(CUserList::ParseInt64(QStringLiteral("99999999999999999999")), std::numeric_limits<qint64>::max());
}

void UserListTest::aFullListRefusesANewPatientWithAMessage() {
    openStore();
    for (int i = 1; i < 1001; ++i) {
        const uint64_t uid = 20240101000000ull + uint64_t(i / 60) * 100 + uint64_t(i % 60);
        QCOMPARE(m_store->AddUser(MakePatient(uid, u"P", 1, 0, i)), 1);
    }
    QCOMPARE(m_store->UserCount(), 1001);
    CUserList dialog(*m_store);
    QCOMPARE(dialog.UserList()->rowCount(), 1001);
    dialog.SetClock([] { return QDateTime(QDate(2030, 1, 1), QTime(8, 0, 0)); });
    SetText(dialog, "IdName", QStringLiteral("One Too Many"));
    SetText(dialog, "IdAge", QStringLiteral("20"));
    dialog.findChild<QComboBox*>("IdSex")->setCurrentIndex(1);
    SetText(dialog, "IdPhone", QStringLiteral("1"));
    Click(dialog, "IdCreate");
    QCOMPARE(m_drive->messages,
             QStringList({kCaption + "|The patient list is full: at most 1001 patients can be kept！"}));
    QCOMPARE(dialog.UserList()->rowCount(), 1001);
    QCOMPARE(m_store->UserCount(), 1001);
}

void UserListTest::doubleClickPicksTheRowAndCloses() {
    openStore();
    addPatients();
    CUserList dialog(*m_store);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTableWidget* users = dialog.UserList();
    const QRect cell = users->visualItemRect(users->item(2, 3));
    QTest::mouseClick(users->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(users->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    _USER_INFO user = {};
    QCOMPARE(m_store->GetCurrentUser(&user), 2);
    QCOMPARE(records::FieldText(user.name), std::u16string(u"Ben"));
}

void UserListTest::worklistEntryFillsTheFieldsAndGoesWithTheCreatedPatient() {
    openStore();
    CUserList dialog(*m_store);
    dialog.SetClock([] { return QDateTime(QDate(2026, 12, 6), QTime(9, 0, 0)); });
    dicom::PacsAddress asked;
    dialog.SetPacsAddress({"ARCHIVE", "127.0.0.1", 104, "KAVIMO", {}});
    dialog.SetWorklistPicker([&](QWidget*, const dicom::PacsAddress& address, dicom::WorklistEntry* entry) {
        asked = address;
        entry->patient = {"P-0042", "Lindqvist-Berg^Anna^Maria", "19800229", "F", "CITY-HOSPITAL"};
        return true;
    });
    Click(dialog, "IdWorklist");
    QCOMPARE(asked.Text(), std::string("ARCHIVE@127.0.0.1:104"));
    QCOMPARE(dialog.findChild<QLineEdit*>("IdName")->text(), QStringLiteral("Lindqvist-Berg Anna Maria"));
    QCOMPARE(dialog.findChild<QLineEdit*>("IdAge")->text(), QStringLiteral("46"));
    QCOMPARE(dialog.findChild<QLineEdit*>("IdBirthDate")->text(), QStringLiteral("1980-02-29"));
    QCOMPARE(dialog.findChild<QComboBox*>("IdSex")->currentIndex(), 0);
    Click(dialog, "IdCreate");
    QCOMPARE(m_drive->messages, QStringList());
    records::PatientDetails kept;
    QCOMPARE(records::ReadPatientDetails(PatientDir(*m_drive, 20261206090000ull).toStdString(), &kept),
             records::DetailsFound::Details);
    QCOMPARE(kept.patientId, std::string("P-0042"));
    QCOMPARE(kept.personName, std::string("Lindqvist-Berg^Anna^Maria"));
    QCOMPARE(kept.name, std::string("Lindqvist-Berg Anna Maria"));
    QCOMPARE(kept.birthDate, std::string("19800229"));
    QCOMPARE(kept.sex, std::string("F"));
    QCOMPARE(kept.issuer, std::string("CITY-HOSPITAL"));
    QVERIFY(!QFileInfo::exists(PatientDir(*m_drive, 20261206090000ull) + "/Worklist.txt"));

    // The next patient made by hand has no worklist identity.
    dialog.SetClock([] { return QDateTime(QDate(2026, 12, 6), QTime(9, 0, 1)); });
    SetText(dialog, "IdName", QStringLiteral("Ben"));
    SetText(dialog, "IdBirthDate", QString());
    Click(dialog, "IdCreate");
    QCOMPARE(records::ReadPatientDetails(PatientDir(*m_drive, 20261206090001ull).toStdString(), &kept),
             records::DetailsFound::Details);
    QCOMPARE(kept.patientId, std::string());
    QCOMPARE(kept.personName, std::string());
}

void UserListTest::worklistNameInIdeographsIsShownAndItsOrderKept() {
    openStore();
    CUserList dialog(*m_store);
    dialog.SetClock([] { return QDateTime(QDate(2026, 12, 6), QTime(9, 0, 0)); });
    dialog.SetPacsAddress({"ARCHIVE", "127.0.0.1", 104, "KAVIMO", {}});
    dialog.SetWorklistPicker([&](QWidget*, const dicom::PacsAddress&, dicom::WorklistEntry* entry) {
        entry->patient = {"P-CN-1", "Wang^Fang=王^芳=", "19800229", "F", ""};
        entry->scheduledDate = "20261206";
        entry->studyUid = "1.2.826.0.1.3680043.2.1143.77";
        entry->accessionNumber = "ACC-7";
        entry->requestedProcedureId = "RP-7";
        entry->referringPhysician = "Li^Wei=李^伟=";
        return true;
    });
    Click(dialog, "IdWorklist");
    // The clinic reads the name in its own characters; the whole name goes to the archive.
    QCOMPARE(dialog.findChild<QLineEdit*>("IdName")->text(), QStringLiteral("王芳"));
    Click(dialog, "IdCreate");
    QCOMPARE(m_drive->messages, QStringList());
    const std::string dir = PatientDir(*m_drive, 20261206090000ull).toStdString();
    records::PatientDetails kept;
    QCOMPARE(records::ReadPatientDetails(dir, &kept), records::DetailsFound::Details);
    QCOMPARE(kept.name, std::string("王芳"));
    QCOMPARE(kept.personName, std::string("Wang^Fang=王^芳="));
    QCOMPARE(Cell(dialog.UserList(), dialog.UserList()->rowCount() - 1, 3), QStringLiteral("王芳"));
    records::PatientOrder order;
    QCOMPARE(records::ReadPatientOrder(dir, &order), records::OrderFound::Order);
    QCOMPARE(order.date, std::string("20261206"));
    QCOMPARE(order.studyUid, std::string("1.2.826.0.1.3680043.2.1143.77"));
    QCOMPARE(order.accessionNumber, std::string("ACC-7"));
    QCOMPARE(order.requestedProcedureId, std::string("RP-7"));
    QCOMPARE(order.referringPhysician, std::string("Li^Wei=李^伟="));
    _USER_INFO user = {};
    m_store->GetUser(m_store->UserCount() - 1, &user);
    QCOMPARE(records::FieldText(user.name), std::u16string(u"王芳"));
}

void UserListTest::whatWasTypedIsKeptBesideTheUnchangedRecord() {
    openStore();
    CUserList dialog(*m_store);
    dialog.SetClock([] { return QDateTime(QDate(2026, 12, 8), QTime(10, 30, 0)); });
    const QString name = QStringLiteral("Maximilian Müller-Lüdenscheidt");
    SetText(dialog, "IdName", name);
    SetText(dialog, "IdAge", QString());
    SetText(dialog, "IdBirthDate", QStringLiteral("1980-02-29"));
    SetText(dialog, "IdPhone", QStringLiteral("+49 (30) 123456"));
    dialog.findChild<QComboBox*>("IdSex")->setCurrentText(QStringLiteral("Unknown"));
    Click(dialog, "IdCreate");
    QCOMPARE(m_drive->messages, QStringList());
    constexpr uint64_t kUid = 20261208103000ull;
    const QString dir = PatientDir(*m_drive, kUid);

    // The details file holds what was typed, whole.
    QFile details(dir + "/Details.txt");
    QVERIFY(details.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(details.readAll()),
             QStringLiteral("Name=Maximilian Müller-Lüdenscheidt\nPhone=+49 (30) 123456\nBirthDate=19800229\n"
                            "Sex=U\nPatientID=\nIssuerOfPatientID=\nPersonName=\n"));

    // The record is what the dialog has always made of that input with the age typed: the name
    // cut to 15 characters, the phone's leading number, the age in years, no sex it can hold.
    _USER_INFO expected = {};
    expected.uid = kUid;
    records::SetFieldText(expected.name, u"Maximilian Müll");
    expected.sex = -1;
    expected.age = 46;
    expected.phone = 49;
    records::SetFieldText(expected.dirPath, "d:\\DentalWorkDir\\UID20261208103000");
    const QByteArray record(reinterpret_cast<const char*>(&expected), sizeof expected);
    QFile backup(dir + "/UserInfoBackup.fdb");
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), record);
    QFile list(m_drive->workDir() + "/UserList.fdb");
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll().right(int(sizeof expected)), record);

    // The list and the boxes show it as typed; the age follows the birth date.
    QCOMPARE(Cell(dialog.UserList(), 1, 3), name);
    QCOMPARE(Cell(dialog.UserList(), 1, 5), QStringLiteral("Unknown"));
    QCOMPARE(Cell(dialog.UserList(), 1, 6), QStringLiteral("+49 (30) 123456"));
    SelectOnly(dialog.UserList(), 0);
    SelectOnly(dialog.UserList(), 1);
    QCOMPARE(dialog.findChild<QLineEdit*>("IdName")->text(), name);
    QCOMPARE(dialog.findChild<QLineEdit*>("IdAge")->text(), QStringLiteral("46"));
    QCOMPARE(dialog.findChild<QComboBox*>("IdSex")->currentText(), QStringLiteral("Unknown"));

    // kavimo-records shows the details.
    QProcess tool;
    tool.start(QStringLiteral(KAVIMO_RECORDS_TOOL), {QStringLiteral("--drive-d"), m_drive->root(),
                                                     QStringLiteral("show"), QStringLiteral("UID20261208103000")});
    QVERIFY(tool.waitForFinished(30000));
    const QString shown = QString::fromUtf8(tool.readAllStandardOutput());
    QCOMPARE(tool.exitCode(), 0);
    const auto line = [&shown](const QString& label, const QString& value) {
        return shown.contains(
            QRegularExpression(QStringLiteral("\\n +%1: +%2\\n").arg(label, QRegularExpression::escape(value))));
    };
    QVERIFY2(line(QStringLiteral("Full name"), name), qPrintable(shown));
    QVERIFY2(line(QStringLiteral("Phone"), QStringLiteral("+49 (30) 123456")), qPrintable(shown));
    QVERIFY2(line(QStringLiteral("Birth date"), QStringLiteral("19800229")), qPrintable(shown));
    QVERIFY2(line(QStringLiteral("Sex"), QStringLiteral("unknown (U)")), qPrintable(shown));

    // The archive object of one of the patient's pictures carries the whole name; the unknown sex
    // is left empty.
    QVERIFY(WriteJpeg(dir + "/20261208103100.jpg", 32, 24, Qt::gray));
    dicom::PictureSource source;
    std::string error;
    QVERIFY2(
        dicom::LoadPictureSource(kUid, "d:\\DentalWorkDir\\UID20261208103000\\20261208103100.jpg", &source, &error),
        error.c_str());
    const std::unique_ptr<dicom::PictureObject> object = dicom::PictureObject::Build(source, &error);
    QVERIFY2(object, error.c_str());
    OFString value;
    QVERIFY(object->File().getDataset()->findAndGetOFString(DCM_PatientName, value).good());
    QCOMPARE(QString::fromUtf8(value.c_str()), name);
    QVERIFY(object->File().getDataset()->findAndGetOFString(DCM_PatientBirthDate, value).good());
    QCOMPARE(QString::fromUtf8(value.c_str()), QStringLiteral("19800229"));
    object->File().getDataset()->findAndGetOFString(DCM_PatientSex, value);
    QCOMPARE(QString::fromUtf8(value.c_str()), QString());
}

QTEST_MAIN(UserListTest)
#include "userlist_test.moc"
