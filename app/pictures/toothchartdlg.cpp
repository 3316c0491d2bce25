#include "app/pictures/toothchartdlg.h"
#include "app/widgets/translation.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// The chart's rows as the dentist faces the patient: upper permanent, upper deciduous, lower
// deciduous, lower permanent; each row from the patient's right to the left.
constexpr int kRightQuadrant[] = {1, 5, 8, 4};
constexpr int kLeftQuadrant[] = {2, 6, 7, 3};

QString ToothText(int fdi, records::ToothNotation notation) {
    return QString::fromStdString(records::ToothName(fdi, notation));
}

}  // namespace

CToothChartDlg::CToothChartDlg(const records::PictureTags& initial, records::ToothNotation notation,
                               const QString& subject, QWidget* parent)
    : QDialog(parent), m_notation(notation) {
    setWindowTitle(Ui::tr("Teeth and view"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(Ui::tr("Which teeth does %1 show?").arg(subject), this);
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);

    auto* chart = new QGridLayout;
    chart->setHorizontalSpacing(2);
    chart->setVerticalSpacing(2);
    chart->addWidget(new QLabel(Ui::tr("right"), this), 0, 0, Qt::AlignLeft);
    chart->addWidget(new QLabel(Ui::tr("left"), this), 0, 17, Qt::AlignRight);
    for (int row = 0; row < 4; ++row) {
        const bool deciduous = row == 1 || row == 2;
        const int teeth = deciduous ? 5 : 8;
        // Columns 0-7 right of the midline (8 = tooth 8 outermost), 9-16 left; column 8 is the gap.
        for (int tooth = 1; tooth <= teeth; ++tooth) {
            for (const int quadrant : {kRightQuadrant[row], kLeftQuadrant[row]}) {
                const int fdi = quadrant * 10 + tooth;
                auto* button = new QPushButton(ToothText(fdi, notation), this);
                button->setObjectName(QStringLiteral("Tooth%1").arg(fdi));
                button->setCheckable(true);
                button->setChecked(std::find(initial.teethFdi.begin(), initial.teethFdi.end(), fdi) !=
                                   initial.teethFdi.end());
                button->setFixedSize(40, 30);
                button->setToolTip(Ui::tr("FDI %1").arg(fdi));
                button->setFocusPolicy(Qt::NoFocus);
                const bool right = quadrant == kRightQuadrant[row];
                const int column = right ? 8 - tooth : 9 + tooth;
                chart->addWidget(button, row + 1, column);
                connect(button, &QPushButton::toggled, this, [this] { UpdateSummary(); });
                m_teeth.insert(fdi, button);
            }
        }
        if (row == 1) chart->setRowMinimumHeight(row + 1, 34);
    }
    chart->setColumnMinimumWidth(8, 12);
    // A chosen tooth stands out at a glance, also across the room.
    setStyleSheet(
        QStringLiteral("QPushButton[objectName^=\"Tooth\"]:checked { background: #1f5fa8; color: white; "
                       "font-weight: bold; border: 1px solid #0d3463; }"));
    layout->addLayout(chart);

    auto* viewRow = new QHBoxLayout;
    viewRow->addWidget(new QLabel(Ui::tr("View:"), this));
    m_view = new QComboBox(this);
    m_view->setObjectName(QStringLiteral("ChartView"));
    m_view->addItem(Ui::tr("(not given)"), int(records::View::None));
    for (records::View view : records::kViews) {
        m_view->addItem(QString::fromStdString(records::ViewLabel(view)), int(view));
    }
    m_view->setCurrentIndex(std::max(0, m_view->findData(int(initial.view))));
    viewRow->addWidget(m_view, 1);
    auto* clear = new QPushButton(Ui::tr("Clear"), this);
    clear->setObjectName(QStringLiteral("ChartClear"));
    connect(clear, &QPushButton::clicked, this, [this] {
        for (QPushButton* button : std::as_const(m_teeth)) button->setChecked(false);
        m_view->setCurrentIndex(0);
    });
    viewRow->addWidget(clear);
    layout->addLayout(viewRow);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("ChartSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    UpdateSummary();
}

records::PictureTags CToothChartDlg::Tags() const {
    records::PictureTags tags;
    for (auto it = m_teeth.cbegin(); it != m_teeth.cend(); ++it) {
        if (it.value()->isChecked()) tags.teethFdi.push_back(it.key());
    }
    std::sort(tags.teethFdi.begin(), tags.teethFdi.end());
    tags.view = records::View(m_view->currentData().toInt());
    return tags;
}

void CToothChartDlg::UpdateSummary() {
    const records::PictureTags tags = Tags();
    m_summary->setText(tags.teethFdi.empty() ? Ui::tr("No tooth chosen.")
                                             : Ui::tr("Chosen: ") + QString::fromStdString(records::TeethText(
                                                                        tags.teethFdi, m_notation, ", ")));
}
