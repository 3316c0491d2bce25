#include "app/archive/worklistdlg.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrent>

#include <memory>

#include "app/archive/pacssettings.h"
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
    bool cut = false;
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

CWorklistDlg::CWorklistDlg(const std::vector<dicom::WorklistEntry>& entries, const QString& day, bool cut,
                           QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    const QString heading = cut ? QStringLiteral("Patients scheduled for %1 (only the first %2: the PACS sent more):")
                                      .arg(day)
                                      .arg(entries.size())
                                : QStringLiteral("Patients scheduled for %1:").arg(day);
    auto* label = new QLabel(heading, this);
    label->setObjectName(QStringLiteral("WorklistHeading"));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
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
        ShowMessageBox(parent, NoPacsMessage(), kCaption, QMessageBox::Warning);
        return false;
    }
    const QDate today = QDate::currentDate();
    const std::string day = today.toString(QStringLiteral("yyyyMMdd")).toStdString();
    // The query runs on a worker thread, which shares the client so that Cancel can abort it;
    // this thread keeps painting and takes Cancel meanwhile. A cancelled query ends on its own.
    const auto client = std::make_shared<dicom::PacsClient>();
    QFutureWatcher<Answer> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<Answer>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([client, address, day] {
        Answer answer;
        answer.ok = client->Open(address, &answer.error) &&
                    client->FindWorklist(day, &answer.entries, &answer.error, &answer.cut);
        client->Close();
        return answer;
    }));
    QProgressDialog progress(QStringLiteral("Asking the PACS for today's worklist…"), QStringLiteral("Cancel"), 0, 0,
                             parent);
    progress.setObjectName(QStringLiteral("WorklistProgress"));
    progress.setWindowTitle(kCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QDialog::rejected, &loop, &QEventLoop::quit);
    if (!watcher.isFinished()) {
        progress.show();
        loop.exec();
    }
    progress.hide();
    if (!watcher.isFinished()) {
        client->Abort();
        return false;
    }
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
    CWorklistDlg dialog(answer.entries, today.toString(QStringLiteral("yyyy-MM-dd")), answer.cut, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.PickedIndex() < 0) return false;
    *picked = answer.entries[size_t(dialog.PickedIndex())];
    return true;
}
