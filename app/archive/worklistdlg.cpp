#include "app/archive/worklistdlg.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrent>

#include <memory>

#include "app/archive/pacssettings.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"

namespace {

const char kCaption[] = QT_TRANSLATE_NOOP("kavimo", "Worklist");

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString DateText(const std::string& date) {
    const QDate d = QDate::fromString(Text(date), QStringLiteral("yyyyMMdd"));
    return d.isValid() ? LocalDateText(d) : Text(date);
}

QString TimeText(const std::string& time) {
    return time.size() >= 4 ? Text(time.substr(0, 2) + ":" + time.substr(2, 2)) : Text(time);
}

struct Answer {
    bool ok = false;
    bool cut = false;
    std::vector<dicom::WorklistEntry> entries;
    std::vector<std::string> notes;
    std::string error;
};

// True for a character of the CJK ideographs or the Japanese kana and Korean syllables, which are
// written without spaces between family and given name.
bool IsIdeographic(QChar c) {
    const ushort u = c.unicode();
    return (u >= 0x3040 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xac00 && u <= 0xd7af) ||
           (u >= 0xf900 && u <= 0xfaff) || c.isSurrogate();
}

}  // namespace

QString WorklistDisplayName(const std::string& personName) {
    const QString name = Text(personName);
    const QString ideographic = name.section(QLatin1Char('='), 1, 1);
    QString group = name.section(QLatin1Char('='), 0, 0);
    if (!ideographic.trimmed().remove(QLatin1Char('^')).isEmpty()) group = ideographic;
    QString shown;
    for (const QString& part : group.split(QLatin1Char('^'))) {
        const QString trimmed = part.trimmed();
        if (trimmed.isEmpty()) continue;
        if (!shown.isEmpty() && !(IsIdeographic(shown.back()) && IsIdeographic(trimmed.front()))) {
            shown += QLatin1Char(' ');
        }
        shown += trimmed;
    }
    return shown;
}

CWorklistDlg::CWorklistDlg(const std::vector<dicom::WorklistEntry>& entries, const QDate& day, bool cut,
                           const std::vector<std::string>& notes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Ui::tr(kCaption));
    auto* layout = new QVBoxLayout(this);
    const QString dayText = LocalDateText(day);
    const QString heading = cut ? Ui::tr("Patients scheduled for %1 (only the first %2: the PACS sent more):")
                                      .arg(dayText)
                                      .arg(entries.size())
                            : entries.empty() ? Ui::tr("The worklist schedules no patient for %1.").arg(dayText)
                                              : Ui::tr("Patients scheduled for %1:").arg(dayText);
    auto* label = new QLabel(heading, this);
    label->setObjectName(QStringLiteral("WorklistHeading"));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    m_table = new QTableWidget(int(entries.size()), 7, this);
    m_table->setObjectName(QStringLiteral("IdWorklist"));
    m_table->setHorizontalHeaderLabels({Ui::tr("Time"), Ui::tr("Patient ID"), Ui::tr("Name"), Ui::tr("Born"),
                                        Ui::tr("Sex"), Ui::tr("Accession"), Ui::tr("Procedure")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    for (int row = 0; row < int(entries.size()); ++row) {
        const dicom::WorklistEntry& e = entries[size_t(row)];
        const std::string& procedure = e.description.empty() ? e.requestedProcedureDescription : e.description;
        const QStringList texts = {TimeText(e.scheduledTime),
                                   Text(e.patient.patientId),
                                   WorklistDisplayName(e.patient.patientName),
                                   DateText(e.patient.birthDate),
                                   Text(e.patient.sex),
                                   Text(e.accessionNumber),
                                   Text(procedure)};
        for (int column = 0; column < texts.size(); ++column) {
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
        }
    }
    m_table->resizeColumnsToContents();
    if (!entries.empty()) m_table->selectRow(0);
    layout->addWidget(m_table);
    if (!notes.empty()) {
        // What the archive sent that kavimo could not take as it was: the first lines, all of them
        // on hover.
        QStringList lines;
        for (const std::string& note : notes) lines << Text(note);
        const int shown = 3;
        QString text = Ui::tr("Not taken as the PACS sent it:\n") + lines.mid(0, shown).join(QLatin1Char('\n'));
        if (lines.size() > shown) text += Ui::tr("\n… and %1 more").arg(lines.size() - shown);
        auto* notesLabel = new QLabel(text, this);
        notesLabel->setObjectName(QStringLiteral("WorklistNotes"));
        notesLabel->setTextFormat(Qt::PlainText);
        notesLabel->setWordWrap(true);
        notesLabel->setToolTip(lines.join(QLatin1Char('\n')));
        layout->addWidget(notesLabel);
    }
    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(new QLabel(Ui::tr("Another day:"), this));
    m_date = new QDateEdit(day, this);
    m_date->setObjectName(QStringLiteral("WorklistDate"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(LocalDateFormat());
    dayRow->addWidget(m_date);
    auto* show = new QPushButton(Ui::tr("Show"), this);
    show->setObjectName(QStringLiteral("WorklistShow"));
    show->setAutoDefault(false);
    dayRow->addWidget(show);
    dayRow->addStretch(1);
    layout->addLayout(dayRow);
    connect(show, &QPushButton::clicked, this, [this] { done(kOtherDay); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!entries.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(720, 400);
}

int CWorklistDlg::PickedIndex() const {
    const QList<QTableWidgetItem*> selected = m_table->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

QDate CWorklistDlg::OtherDay() const { return m_date->date(); }

namespace {

// Asks the archive for a day's worklist. False when the user cancelled; otherwise the answer.
bool AskArchive(QWidget* parent, const dicom::PacsAddress& address, const dicom::WorklistQuery& query, Answer* answer) {
    // The query runs on a worker thread, which shares the client so that Cancel can abort it;
    // this thread keeps painting and takes Cancel meanwhile. A cancelled query ends on its own.
    const auto client = std::make_shared<dicom::PacsClient>();
    QFutureWatcher<Answer> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<Answer>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([client, address, query] {
        Answer result;
        result.ok = client->Open(address, &result.error) &&
                    client->FindWorklist(query, &result.entries, &result.error, &result.cut, &result.notes);
        client->Close();
        return result;
    }));
    QProgressDialog progress(Ui::tr("Asking the PACS for the worklist of %1…").arg(DateText(query.date)),
                             Ui::tr("Cancel"), 0, 0, parent);
    progress.setObjectName(QStringLiteral("WorklistProgress"));
    progress.setWindowTitle(Ui::tr(kCaption));
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
    *answer = watcher.result();
    return true;
}

}  // namespace

bool PickWorklistPatient(QWidget* parent, const dicom::PacsAddress& address, dicom::WorklistEntry* picked) {
    if (!address.IsSet()) {
        ShowMessageBox(parent, NoPacsMessage(), Ui::tr(kCaption), QMessageBox::Warning);
        return false;
    }
    const dicom::WorklistFilter filter = dicom::CurrentWorklistFilter();
    QDate day = QDate::currentDate();
    for (;;) {
        const dicom::WorklistQuery query = dicom::MakeWorklistQuery(
            day.toString(QStringLiteral("yyyyMMdd")).toStdString(), filter, address.callingAet);
        Answer answer;
        if (!AskArchive(parent, address, query, &answer)) return false;
        if (!answer.ok) {
            ShowMessageBox(parent, Ui::tr("Cannot read the worklist: %1").arg(Text(answer.error)), Ui::tr(kCaption),
                           QMessageBox::Warning);
            return false;
        }
        CWorklistDlg dialog(answer.entries, day, answer.cut, answer.notes, parent);
        const int result = dialog.exec();
        if (result == CWorklistDlg::kOtherDay) {
            day = dialog.OtherDay();
            continue;
        }
        if (result != QDialog::Accepted || dialog.PickedIndex() < 0) return false;
        *picked = answer.entries[size_t(dialog.PickedIndex())];
        return true;
    }
}
