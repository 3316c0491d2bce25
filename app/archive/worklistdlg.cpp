#include "app/archive/worklistdlg.h"

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrent>

#include "app/widgets/messagebox.h"

namespace {

const QString kCaption = QStringLiteral("Worklist");

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString DateText(const std::string& date) {
    const QDate d = QDate::fromString(Text(date), QStringLiteral("yyyyMMdd"));
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : Text(date);
}

QString TimeText(const std::string& time) {
    return time.size() >= 4 ? Text(time.substr(0, 2) + ":" + time.substr(2, 2)) : Text(time);
}

struct Answer {
    bool ok = false;
    std::vector<dicom::WorklistEntry> entries;
    std::string error;
};

}  // namespace

QString WorklistDisplayName(const std::string& personName) {
    // Only the first of the name's representations (alphabetic); the others follow "=".
    const QString alphabetic = Text(personName).section(QLatin1Char('='), 0, 0);
    QStringList parts;
    for (const QString& part : alphabetic.split(QLatin1Char('^'))) {
        if (!part.trimmed().isEmpty()) parts << part.trimmed();
    }
    return parts.join(QLatin1Char(' '));
}

CWorklistDlg::CWorklistDlg(const std::vector<dicom::WorklistEntry>& entries, const QString& day, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Patients scheduled for %1:").arg(day), this));
    m_table = new QTableWidget(int(entries.size()), 6, this);
    m_table->setObjectName(QStringLiteral("IdWorklist"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Time"), QStringLiteral("Patient ID"), QStringLiteral("Name"),
                                        QStringLiteral("Born"), QStringLiteral("Sex"), QStringLiteral("Procedure")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < int(entries.size()); ++row) {
        const dicom::WorklistEntry& e = entries[size_t(row)];
        const QStringList texts = {
            TimeText(e.scheduledTime),     Text(e.patient.patientId), WorklistDisplayName(e.patient.patientName),
            DateText(e.patient.birthDate), Text(e.patient.sex),       Text(e.description)};
        for (int column = 0; column < texts.size(); ++column) {
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
        }
    }
    m_table->resizeColumnsToContents();
    if (!entries.empty()) m_table->selectRow(0);
    layout->addWidget(m_table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(640, 360);
}

int CWorklistDlg::PickedIndex() const {
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

bool PickWorklistPatient(QWidget* parent, const dicom::PacsAddress& address, dicom::WorklistEntry* picked) {
    if (!address.IsSet()) {
        ShowMessageBox(parent,
                       QStringLiteral("No PACS is set: give its AE title, host and port (--pacs-aet, --pacs-host, "
                                      "--pacs-port or the [pacs] group of kavimo.ini)."),
                       kCaption, QMessageBox::Warning);
        return false;
    }
    const QDate today = QDate::currentDate();
    const std::string day = today.toString(QStringLiteral("yyyyMMdd")).toStdString();
    // The query runs on a worker thread; this one keeps painting meanwhile.
    QFutureWatcher<Answer> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<Answer>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([address, day] {
        Answer answer;
        dicom::PacsClient client;
        answer.ok = client.Open(address, &answer.error) && client.FindWorklist(day, &answer.entries, &answer.error);
        return answer;
    }));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!watcher.isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
    const Answer answer = watcher.result();
    if (!answer.ok) {
        ShowMessageBox(parent, QStringLiteral("Cannot read the worklist: %1").arg(Text(answer.error)), kCaption,
                       QMessageBox::Warning);
        return false;
    }
    if (answer.entries.empty()) {
        ShowMessageBox(parent, QStringLiteral("The worklist schedules no patient for today."), kCaption);
        return false;
    }
    CWorklistDlg dialog(answer.entries, today.toString(QStringLiteral("yyyy-MM-dd")), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.PickedIndex() < 0) return false;
    *picked = answer.entries[size_t(dialog.PickedIndex())];
    return true;
}
