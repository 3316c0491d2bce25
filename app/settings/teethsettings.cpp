#include "app/settings/teethsettings.h"

#include <QSettings>

#include "app/settings/appconfig.h"
#include "app/settings/settingsdlg.h"
#include "app/widgets/translation.h"

namespace {

const QString kNotation = QStringLiteral("teeth/notation");
const QString kChartAfterCapture = QStringLiteral("teeth/chart_after_capture");

}  // namespace

TeethSettings ReadTeethSettings(const QString& iniPath) {
    TeethSettings settings;
    if (iniPath.isEmpty()) return settings;
    const QSettings ini(iniPath, QSettings::IniFormat);
    records::ToothNotation notation = records::ToothNotation::Fdi;
    if (records::ParseNotation(IniValueText(ini, kNotation).trimmed().toStdString(), &notation)) {
        settings.notation = notation;
    }
    settings.chartAfterCapture = ConfigSwitchIsOn(IniValueText(ini, kChartAfterCapture).trimmed());
    return settings;
}

void AddTeethSettings(CSettingsDlg* dialog) {
    CSettingsDlg::Field notation;
    notation.key = kNotation;
    notation.label = Ui::tr("Tooth numbers (fdi, universal or palmer; at once)");
    notation.defaultText = Ui::tr("fdi: 11–48, 51–85");
    notation.validate = [](const QString& text) {
        records::ToothNotation parsed = records::ToothNotation::Fdi;
        return records::ParseNotation(text.trimmed().toStdString(), &parsed)
                   ? QString()
                   : Ui::tr("not fdi, universal (1–32, A–T) or palmer (UR1, ULA)");
    };
    CSettingsDlg::Field chart;
    chart.key = kChartAfterCapture;
    chart.label = Ui::tr("Ask for the teeth after each capture, at once (the camera's capture key confirms)");
    chart.check = true;
    dialog->AddGroup(Ui::tr("Teeth"), {notation, chart});
}
