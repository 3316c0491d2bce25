// CToothChartDlg: the tooth chart. The teeth as the dentist faces the patient (the patient's
// right on the left), permanent teeth in the outer rows and deciduous ones in the inner rows,
// each a button that toggles; several may be chosen. Below them the view the picture was taken
// from. The numbers are written in the clinic's notation; what comes back are FDI numbers.
//
// Objects for tests and scripts: "Tooth<FDI>" for each tooth's button (Tooth11, Tooth55),
// "ChartView" for the view's box, "ChartClear" for the button that clears the chart.
// User-interface thread only.
#pragma once

#include <QDialog>
#include <QHash>

#include "records/toothtags.h"

class QComboBox;
class QLabel;
class QPushButton;

class CToothChartDlg : public QDialog {
    Q_OBJECT
public:
    // `subject` says which pictures are tagged ("20261208140312.jpg", "3 pictures").
    CToothChartDlg(const records::PictureTags& initial, records::ToothNotation notation, const QString& subject,
                   QWidget* parent = nullptr);

    // What the chart shows now.
    records::PictureTags Tags() const;

    QPushButton* ToothButton(int fdi) const { return m_teeth.value(fdi); }

private:
    void UpdateSummary();

    QHash<int, QPushButton*> m_teeth;
    QComboBox* m_view = nullptr;
    QLabel* m_summary = nullptr;
    records::ToothNotation m_notation;
};
