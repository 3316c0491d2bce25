#include "app/archive/pacssettings.h"

#include <QCheckBox>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrent>

#include "app/settings/appconfig.h"
#include "app/settings/settingsdlg.h"
#include "app/widgets/translation.h"

namespace {

const QString kCalledAet = QStringLiteral("pacs/called_aet");
const QString kHost = QStringLiteral("pacs/host");
const QString kPort = QStringLiteral("pacs/port");
const QString kCallingAet = QStringLiteral("pacs/calling_aet");
const QString kAutoSend = QStringLiteral("pacs/auto_send");
const QString kWorklistModality = QStringLiteral("pacs/worklist_modality");
const QString kWorklistStations = QStringLiteral("pacs/worklist_stations");
const QString kTls = QStringLiteral("pacs/tls");
const QString kTlsCa = QStringLiteral("pacs/tls_ca");
const QString kTlsCert = QStringLiteral("pacs/tls_cert");
const QString kTlsKey = QStringLiteral("pacs/tls_key");

CSettingsDlg::Field MakeField(const QString& key, const char* label, const QString& defaultText) {
    CSettingsDlg::Field field;
    field.key = key;
    field.label = Ui::tr(label);
    field.defaultText = defaultText;
    const ConfigSetting* setting = FindConfigSetting(key);
    const ConfigSetting::Kind kind = setting ? setting->kind : ConfigSetting::Kind::Host;
    field.validate = [kind](const QString& text) { return ConfigValueProblem(kind, text); };
    return field;
}

CSettingsDlg::Field FileField(const QString& key, const char* label, const char* defaultText) {
    CSettingsDlg::Field field;
    field.key = key;
    field.label = Ui::tr(label);
    field.defaultText = Ui::tr(defaultText);
    field.validate = CSettingsDlg::FileValidator();
    field.file = true;
    return field;
}

CSettingsDlg::Field CheckField(const QString& key, const char* label) {
    CSettingsDlg::Field field;
    field.key = key;
    field.label = Ui::tr(label);
    field.check = true;
    return field;
}

struct EchoAnswer {
    bool ok = false;
    std::string error;
};

}  // namespace

QString NoPacsMessage() {
    return Ui::tr(
        "No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click "
        "the main window and choose \"Settings...\", then restart kavimo.");
}

void AddPacsSettings(CSettingsDlg* dialog) {
    dialog->AddGroup(
        Ui::tr("PACS (the clinic's archive)"),
        {MakeField(kCalledAet, QT_TRANSLATE_NOOP("kavimo", "Archive AE title"), Ui::tr("none: no archive")),
         MakeField(kHost, QT_TRANSLATE_NOOP("kavimo", "Archive host"), QString()),
         MakeField(kPort, QT_TRANSLATE_NOOP("kavimo", "Archive DICOM port"), QString()),
         MakeField(kCallingAet, QT_TRANSLATE_NOOP("kavimo", "kavimo's AE title"),
                   QString::fromLatin1(dicom::kDefaultCallingAet)),
         MakeField(kAutoSend, QT_TRANSLATE_NOOP("kavimo", "Send every stored picture (on/off)"), QStringLiteral("off")),
         MakeField(kWorklistModality, QT_TRANSLATE_NOOP("kavimo", "Worklist modality"), QStringLiteral("XC")),
         MakeField(kWorklistStations, QT_TRANSLATE_NOOP("kavimo", "Worklist of this station or all (this/all)"),
                   QStringLiteral("this")),
         CheckField(
             kTls, QT_TRANSLATE_NOOP("kavimo", "Connect over TLS (the archive must show a certificate the CA signed)")),
         FileField(kTlsCa, QT_TRANSLATE_NOOP("kavimo", "CA certificates to trust (PEM)"),
                   QT_TRANSLATE_NOOP("kavimo", "required with TLS")),
         FileField(kTlsCert, QT_TRANSLATE_NOOP("kavimo", "kavimo's certificate (PEM)"),
                   QT_TRANSLATE_NOOP("kavimo", "none: only if the archive asks for one")),
         FileField(kTlsKey, QT_TRANSLATE_NOOP("kavimo", "kavimo's private key (PEM)"),
                   QT_TRANSLATE_NOOP("kavimo", "none: goes with the certificate"))});

    // "Test connection" under the groups, above the note and the buttons.
    auto* row = new QWidget(dialog);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* test = new QPushButton(Ui::tr("Test connection"), row);
    test->setObjectName(QStringLiteral("PacsTest"));
    auto* result = new QLabel(row);
    result->setTextFormat(Qt::PlainText);  // it shows what the archive answered
    result->setObjectName(QStringLiteral("PacsTestResult"));
    result->setWordWrap(true);
    line->addWidget(test);
    line->addWidget(result, 1);
    if (auto* layout = qobject_cast<QVBoxLayout*>(dialog->layout())) layout->insertWidget(2, row);

    QObject::connect(test, &QPushButton::clicked, dialog, [dialog, test, result] {
        auto text = [dialog](const QString& key) {
            QLineEdit* edit = dialog->Edit(key);
            return edit ? edit->text().trimmed() : QString();
        };
        dicom::PacsAddress address;
        address.calledAet = text(kCalledAet).toStdString();
        address.host = text(kHost).toStdString();
        address.port = text(kPort).toInt();
        if (!text(kCallingAet).isEmpty()) address.callingAet = text(kCallingAet).toStdString();
        address.tls.enabled = dialog->Check(kTls) && dialog->Check(kTls)->isChecked();
        address.tls.caFile = text(kTlsCa).toStdString();
        address.tls.certFile = text(kTlsCert).toStdString();
        address.tls.keyFile = text(kTlsKey).toStdString();
        if (!dialog->Validate() || !address.IsSet()) {
            result->setText(Ui::tr("Give the archive's AE title, host and port first."));
            return;
        }
        test->setEnabled(false);
        result->setText(
            Ui::tr("Connecting to %1%2…")
                .arg(QString::fromStdString(address.Text()), address.tls.enabled ? Ui::tr(" over TLS") : QString()));
        // The check runs off the user-interface thread; the dialog stays responsive.
        auto* watcher = new QFutureWatcher<EchoAnswer>(dialog);
        QObject::connect(watcher, &QFutureWatcher<EchoAnswer>::finished, dialog, [watcher, test, result, address] {
            const EchoAnswer answer = watcher->result();
            watcher->deleteLater();
            test->setEnabled(true);
            result->setText(answer.ok ? Ui::tr("%1 answers.").arg(QString::fromStdString(address.Text()))
                                      : QString::fromStdString(answer.error));
        });
        watcher->setFuture(QtConcurrent::run([address] {
            EchoAnswer answer;
            answer.ok = dicom::EchoPacs(address, &answer.error);
            return answer;
        }));
    });
}
