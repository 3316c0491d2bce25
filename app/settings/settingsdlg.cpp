#include "app/settings/settingsdlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

#include "app/settings/appconfig.h"
#include "app/widgets/translation.h"
#include "camlink/camlinkconfig.h"

namespace {

constexpr int kWindowFrameAllowance = 48;  // the title bar and the frame around the dialog

// The fields of the start-up configuration, grouped as a technician thinks of them.
struct TableRow {
    const char* group;
    const char* key;
    const char* label;
};
constexpr TableRow kTable[] = {
    {QT_TRANSLATE_NOOP("kavimo", "Pictures and records"), "paths/drive_d",
     QT_TRANSLATE_NOOP("kavimo", "d: drive folder")},
    {QT_TRANSLATE_NOOP("kavimo", "Stream camera"), "stream_camera/address",
     QT_TRANSLATE_NOOP("kavimo", "Camera address")},
    {QT_TRANSLATE_NOOP("kavimo", "Stream camera"), "stream_camera/command_port",
     QT_TRANSLATE_NOOP("kavimo", "Camera command port")},
    {QT_TRANSLATE_NOOP("kavimo", "Stream camera"), "stream_camera/local_port",
     QT_TRANSLATE_NOOP("kavimo", "Local command port (0: any)")},
    {QT_TRANSLATE_NOOP("kavimo", "Stream camera"), "stream_camera/video_port",
     QT_TRANSLATE_NOOP("kavimo", "Local video port")},
    {QT_TRANSLATE_NOOP("kavimo", "Picture camera"), "picture_camera/address",
     QT_TRANSLATE_NOOP("kavimo", "Camera address")},
    {QT_TRANSLATE_NOOP("kavimo", "Picture camera"), "picture_camera/command_port",
     QT_TRANSLATE_NOOP("kavimo", "Camera command port")},
    {QT_TRANSLATE_NOOP("kavimo", "Picture camera"), "picture_camera/reply_port",
     QT_TRANSLATE_NOOP("kavimo", "Local reply port (0: any)")},
    {QT_TRANSLATE_NOOP("kavimo", "Picture camera"), "picture_camera/picture_port",
     QT_TRANSLATE_NOOP("kavimo", "Camera picture port (TCP)")},
    {QT_TRANSLATE_NOOP("kavimo", "Network"), "network/bind_address",
     QT_TRANSLATE_NOOP("kavimo", "Local address (0.0.0.0: all)")},
    {QT_TRANSLATE_NOOP("kavimo", "Report"), "report/doctor", QT_TRANSLATE_NOOP("kavimo", "Doctor's name")},
    {QT_TRANSLATE_NOOP("kavimo", "Keys"), "keys/foot_switch",
     QT_TRANSLATE_NOOP("kavimo", "Foot switch key (does Freeze)")},
    {QT_TRANSLATE_NOOP("kavimo", "Language"), "ui/language",
     QT_TRANSLATE_NOOP("kavimo", "Language (empty: the desktop's)")},
};

QString DefaultText(const QString& key) {
    const CameraLinkConfig d;
    const QHash<QString, QString> defaults = {
        {QStringLiteral("paths/drive_d"),
         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kavimo/d")},
        {QStringLiteral("stream_camera/address"), QString::fromStdString(d.streamCameraIp)},
        {QStringLiteral("stream_camera/command_port"), QString::number(d.streamCameraPort)},
        {QStringLiteral("stream_camera/local_port"), QString::number(d.streamLocalPort)},
        {QStringLiteral("stream_camera/video_port"), QString::number(d.videoPort)},
        {QStringLiteral("picture_camera/address"), QString::fromStdString(d.pictureCameraIp)},
        {QStringLiteral("picture_camera/command_port"), QString::number(d.pictureCameraPort)},
        {QStringLiteral("picture_camera/reply_port"), QString::number(d.pictureLocalPort)},
        {QStringLiteral("picture_camera/picture_port"), QString::number(d.pictureTcpPort)},
        {QStringLiteral("network/bind_address"), QString::fromStdString(d.localBindIp)},
    };
    return defaults.value(key);
}

CSettingsDlg::Validator ValidatorFor(ConfigSetting::Kind kind) {
    switch (kind) {
        case ConfigSetting::Kind::Path:
            return CSettingsDlg::FolderValidator();
        case ConfigSetting::Kind::Address:
            return CSettingsDlg::AddressValidator();
        case ConfigSetting::Kind::RemotePort:
            return CSettingsDlg::PortValidator(false);
        case ConfigSetting::Kind::LocalPort:
            return CSettingsDlg::PortValidator(true);
        case ConfigSetting::Kind::AeTitle:
        case ConfigSetting::Kind::Host:
        case ConfigSetting::Kind::Switch:
        case ConfigSetting::Kind::Group:
        case ConfigSetting::Kind::Issuer:
        case ConfigSetting::Kind::Modality:
        case ConfigSetting::Kind::Stations:
            return [kind](const QString& text) { return ConfigValueProblem(kind, text); };
        case ConfigSetting::Kind::File:
            return CSettingsDlg::FileValidator();
    }
    return {};
}

}  // namespace

CSettingsDlg::Validator CSettingsDlg::AddressValidator() {
    return [](const QString& text) { return ConfigValueProblem(ConfigSetting::Kind::Address, text); };
}

CSettingsDlg::Validator CSettingsDlg::PortValidator(bool allowZero) {
    const auto kind = allowZero ? ConfigSetting::Kind::LocalPort : ConfigSetting::Kind::RemotePort;
    return [kind](const QString& text) { return ConfigValueProblem(kind, text); };
}

CSettingsDlg::Validator CSettingsDlg::FolderValidator() {
    return [](const QString& text) { return CheckFolder(text.trimmed()); };
}

CSettingsDlg::Validator CSettingsDlg::FileValidator() {
    return [](const QString& text) { return CheckFile(text.trimmed()); };
}

CSettingsDlg::CSettingsDlg(const QString& iniPath, const QHash<QString, QString>& overrides, QWidget* parent)
    : QDialog(parent), m_iniPath(iniPath), m_overrides(overrides) {
    setObjectName(QStringLiteral("CSettingsDlg"));
    setWindowTitle(Ui::tr("Settings"));
    m_chooseFolder = [](QWidget* owner, const QString& start) {
        return QFileDialog::getExistingDirectory(owner, Ui::tr("The d: drive folder"), start);
    };
    m_chooseFile = [](QWidget* owner, const QString& title, const QString& start) {
        return QFileDialog::getOpenFileName(owner, title, start,
                                            Ui::tr("PEM files (*.pem *.crt *.key);;All files (*)"));
    };

    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(Ui::tr("Settings file: %1").arg(QDir::toNativeSeparators(iniPath)), this);
    file->setTextFormat(Qt::PlainText);
    file->setObjectName(QStringLiteral("SettingsFile"));
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(file);
    // The groups scroll: with the archive's and the teeth's fields the dialog is taller than a
    // laptop's screen,
    // and Save and Cancel must stay on it.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("SettingsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inner = new QWidget(scroll);
    m_groups = new QVBoxLayout(inner);
    m_groups->setContentsMargins(0, 0, 0, 0);
    scroll->setWidget(inner);
    layout->addWidget(scroll, 1);
    auto* when = new QLabel(Ui::tr("Changes take effect the next time kavimo starts. An empty field uses "
                                   "the default shown in it. A value overridden by a command-line "
                                   "option or an environment variable is used in the runs without it."),
                            this);
    when->setObjectName(QStringLiteral("TakesEffect"));
    when->setWordWrap(true);
    layout->addWidget(when);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CSettingsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    QString group;
    QList<Field> fields;
    for (const TableRow& row : kTable) {
        if (group != Ui::tr(row.group) && !fields.isEmpty()) {
            AddGroup(group, fields);
            fields.clear();
        }
        group = Ui::tr(row.group);
        const QString key = QString::fromLatin1(row.key);
        const ConfigSetting* setting = FindConfigSetting(key);
        Field field;
        field.key = key;
        field.label = Ui::tr(row.label);
        field.defaultText = DefaultText(key);
        field.validate = setting ? ValidatorFor(setting->kind) : Validator();
        field.folder = setting && setting->kind == ConfigSetting::Kind::Path;
        if (key == QLatin1String("keys/foot_switch")) {
            field.defaultText = Ui::tr("none; e.g. F8");
            field.validate = [](const QString& text) {
                const QKeySequence k = QKeySequence::fromString(text.trimmed(), QKeySequence::PortableText);
                return k.isEmpty() || k.count() != 1 ? Ui::tr("not a key (for example F8, Space or Pause)") : QString();
            };
        }
        if (key == QLatin1String("ui/language")) {
            field.defaultText = Ui::tr("e.g. de, zh_CN");
            field.validate = [](const QString& text) {
                const QString name = text.trimmed();
                return name.isEmpty() || QLocale(name).language() != QLocale::C
                           ? QString()
                           : Ui::tr("not a language (for example de, fr or zh_CN)");
            };
        }
        fields.append(field);
    }
    AddGroup(group, fields);
    m_rows.first().edit->setFocus();
}

void CSettingsDlg::FitScreen() {
    // As tall as the groups need, but no taller than the screen leaves under a panel and the
    // title bar; as wide as the widest group, with room for the scroll bar.
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("SettingsScroll"));
    QWidget* inner = scroll->widget();
    inner->adjustSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().height() : 768;
    const int others = sizeHint().height() - scroll->sizeHint().height();
    const int wanted = inner->sizeHint().height() + others;
    scroll->setMinimumWidth(inner->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    resize(sizeHint().width(), std::min(wanted, available - kWindowFrameAllowance));
}

void CSettingsDlg::AddGroup(const QString& title, const QList<Field>& fields) {
    QSettings ini(m_iniPath, QSettings::IniFormat);
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    int line = 0;
    for (const Field& field : fields) {
        Row row;
        row.field = field;
        if (field.check) {
            row.check = new QCheckBox(field.label, box);
            row.check->setObjectName(field.key);
            row.check->setChecked(ini.contains(field.key) && ConfigSwitchIsOn(IniValueText(ini, field.key)));
            grid->addWidget(row.check, line++, 1);
            AddOverrideNote(row, box, grid, &line);
            m_rows.append(row);
            continue;
        }
        row.edit = new QLineEdit(box);
        row.edit->setObjectName(field.key);
        row.edit->setPlaceholderText(field.defaultText);
        row.edit->setMinimumWidth(field.folder || field.file ? 320 : 160);
        if (ini.contains(field.key)) row.edit->setText(IniValueText(ini, field.key));
        auto* label = new QLabel(field.label, box);
        label->setBuddy(row.edit);
        grid->addWidget(label, line, 0);
        if (field.folder || field.file) {
            auto* edit = new QHBoxLayout;
            edit->addWidget(row.edit, 1);
            auto* choose = new QPushButton(field.folder ? Ui::tr("Choose...") : QStringLiteral("…"), box);
            choose->setObjectName(field.key + QStringLiteral("#choose"));
            QLineEdit* target = row.edit;
            const bool folder = field.folder;
            const QString what = field.label;
            connect(choose, &QPushButton::clicked, this, [this, target, folder, what] {
                const QString start = target->text().isEmpty() ? target->placeholderText() : target->text();
                const QString chosen = folder ? m_chooseFolder(this, start) : m_chooseFile(this, what, start);
                if (!chosen.isEmpty()) target->setText(QDir::toNativeSeparators(chosen));
            });
            edit->addWidget(choose);
            grid->addLayout(edit, line, 1);
        } else {
            grid->addWidget(row.edit, line, 1);
        }
        row.problem = new QLabel(box);
        row.problem->setTextFormat(Qt::PlainText);  // it quotes the value typed
        row.problem->setObjectName(field.key + QStringLiteral("#problem"));
        row.problem->setStyleSheet(QStringLiteral("color: #c00000;"));
        // The line keeps its room while empty, so that a reason showing up never moves the fields
        // below it (under the mouse); a long reason is cut, the whole of it in the tooltip.
        QSizePolicy keep = row.problem->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        row.problem->setSizePolicy(keep);
        row.problem->setWordWrap(false);
        row.problem->hide();
        ++line;
        grid->addWidget(row.problem, line++, 1);
        AddOverrideNote(row, box, grid, &line);
        const QString key = field.key;
        connect(row.edit, &QLineEdit::textChanged, this, [this, key] {
            for (Row& r : m_rows) {
                if (r.field.key == key) CheckRow(r);
            }
        });
        m_rows.append(row);
    }
    grid->setColumnStretch(1, 1);
    m_groups->addWidget(box);
    FitScreen();
}

void CSettingsDlg::AddOverrideNote(Row& row, QWidget* box, QGridLayout* grid, int* line) {
    if (!m_overrides.contains(row.field.key)) return;
    row.overrideNote = new QLabel(Ui::tr("Overridden by %1 for this run").arg(m_overrides.value(row.field.key)), box);
    row.overrideNote->setObjectName(row.field.key + QStringLiteral("#override"));
    row.overrideNote->setStyleSheet(QStringLiteral("color: #805000;"));
    grid->addWidget(row.overrideNote, (*line)++, 1, 1, 2);
}

const CSettingsDlg::Row* CSettingsDlg::FindRow(const QString& key) const {
    for (const Row& row : m_rows) {
        if (row.field.key == key) return &row;
    }
    return nullptr;
}

QLineEdit* CSettingsDlg::Edit(const QString& key) const {
    const Row* row = FindRow(key);
    return row ? row->edit : nullptr;
}

QCheckBox* CSettingsDlg::Check(const QString& key) const {
    const Row* row = FindRow(key);
    return row ? row->check : nullptr;
}

QLabel* CSettingsDlg::Problem(const QString& key) const {
    const Row* row = FindRow(key);
    return row ? row->problem : nullptr;
}

QLabel* CSettingsDlg::OverrideNote(const QString& key) const {
    const Row* row = FindRow(key);
    return row ? row->overrideNote : nullptr;
}

bool CSettingsDlg::CheckRow(Row& row) {
    if (!row.edit) return true;  // a check box is either way right
    const QString text = row.edit->text().trimmed();
    const QString problem = text.isEmpty() || !row.field.validate ? QString() : row.field.validate(text);
    row.problem->setText(problem);
    row.problem->setToolTip(problem);
    row.problem->setVisible(!problem.isEmpty());
    return problem.isEmpty();
}

bool CSettingsDlg::Validate() {
    bool ok = true;
    QLineEdit* first = nullptr;
    for (Row& row : m_rows) {
        if (!CheckRow(row) && ok) {
            ok = false;
            first = row.edit;
        }
    }
    if (first) first->setFocus();
    return ok;
}

bool CSettingsDlg::Save(QString* error) {
    QSettings ini(m_iniPath, QSettings::IniFormat);
    for (const Row& row : m_rows) {
        const QString text =
            row.check ? (row.check->isChecked() ? QStringLiteral("on") : QString()) : row.edit->text().trimmed();
        if (text.isEmpty()) {
            ini.remove(row.field.key);
        } else {
            ini.setValue(row.field.key, text);
        }
    }
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        *error = Ui::tr("The settings cannot be written to %1.").arg(QDir::toNativeSeparators(m_iniPath));
        return false;
    }
    return true;
}

void CSettingsDlg::accept() {
    if (!Validate()) return;
    QString error;
    if (!Save(&error)) {
        auto* file = findChild<QLabel*>(QStringLiteral("SettingsFile"));
        file->setText(error);
        file->setStyleSheet(QStringLiteral("color: #c00000;"));
        return;
    }
    QDialog::accept();
}
