#include "app/widgets/restoredlg.h"
#include "app/widgets/translation.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "records/recordnames.h"

namespace {

RestoreDialogHook& Hook() {
    static RestoreDialogHook hook;
    return hook;
}

}  // namespace

void SetRestoreDialogHook(RestoreDialogHook hook) { Hook() = std::move(hook); }

CRestoreDlg::CRestoreDlg(const QString& title, const std::vector<records::TrashEntry>& entries, QWidget* parent)
    : QDialog(parent), m_entries(entries) {
    setWindowTitle(title);
    std::reverse(m_entries.begin(), m_entries.end());  // newest first
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        Ui::tr("Deleted items are kept for %n days. Choose what to restore:", nullptr, records::kTrashKeepDays), this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("IdRestoreList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const records::TrashEntry& entry : m_entries) m_list->addItem(RowText(entry));
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(Ui::tr("Restore"), QDialogButtonBox::AcceptRole);
    m_restore->setObjectName(QStringLiteral("IdRestore"));
    m_restore->setEnabled(false);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("IdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(520, 360);
}

QString CRestoreDlg::RowText(const records::TrashEntry& entry) {
    const QString deleted = LocalDateTimeText(QDateTime::fromSecsSinceEpoch(entry.deletedAt));
    const QString label = QString::fromStdString(entry.label);
    if (entry.kind == records::TrashKind::Picture) {
        return Ui::tr("Picture of %1   (deleted %2)").arg(label, deleted);
    }
    return Ui::tr("%1  %2, %n pictures   (deleted %3)", nullptr, entry.pictures)
        .arg(QString::fromStdString(records::UidText(entry.uid)), label, deleted);
}

std::vector<std::string> CRestoreDlg::ChosenIds() const {
    std::vector<std::string> ids;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected()) ids.push_back(m_entries[size_t(row)].id);
    }
    return ids;
}

std::vector<std::string> CRestoreDlg::Choose(QWidget* parent, const QString& title,
                                             const std::vector<records::TrashEntry>& entries) {
    CRestoreDlg dialog(title, entries, parent);
    if (Hook()) {
        Hook()(dialog);
    } else {
        dialog.exec();
    }
    return dialog.result() == QDialog::Accepted ? dialog.ChosenIds() : std::vector<std::string>();
}
