// CSettingsDlg: the settings a clinic changes without a text editor. It edits kavimo.ini (the
// keys the start-up configuration reads), one group of fields per subject, checks every value
// with the reason shown next to its field, and marks the fields that the command line or the
// environment override for this run (those still win). Everything takes effect at the next start.
//
// The fields come from a table; another subject adds its own group with AddGroup and its own
// validators (the ones here are public for reuse).
//
// User-interface thread only.
#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

class CSettingsDlg : public QDialog {
    Q_OBJECT
public:
    // Returns why a field's text is not acceptable; empty when it is. An empty field is not
    // checked: it means "the default" and removes the key from the file.
    using Validator = std::function<QString(const QString& text)>;

    struct Field {
        QString key;  // kavimo.ini key ("group/key"); also the edit's object name
        QString label;
        QString defaultText;  // shown greyed in the empty edit
        Validator validate;
        bool folder = false;  // offers a folder chooser beside the edit
        bool file = false;    // offers a file chooser ("…") beside the edit
        bool check = false;   // an on/off check box instead of an edit ("on", or no key, in the file)
    };

    // iniPath: the file to read and write. overrides: kavimo.ini key -> what overrides it for
    // this run ("--video-port", "KAVIMO_VIDEO_PORT", ...).
    CSettingsDlg(const QString& iniPath, const QHash<QString, QString>& overrides, QWidget* parent = nullptr);

    // Adds a group of fields below the others, filled from the file.
    void AddGroup(const QString& title, const QList<Field>& fields);
    // Sizes the dialog to its groups within the screen (they scroll beyond); AddGroup calls it.
    void FitScreen();

    QLineEdit* Edit(const QString& key) const;       // null for a check box
    QCheckBox* Check(const QString& key) const;      // null for an edit
    QLabel* Problem(const QString& key) const;       // the reason a value is refused (empty: none)
    QLabel* OverrideNote(const QString& key) const;  // null when nothing overrides the key

    // Checks every field and shows each reason next to its field; true when all pass.
    bool Validate();
    // Writes the fields to the file (keys of other subjects are kept). False with the reason.
    bool Save(QString* error);

    // How "Choose..." asks for a folder (tests answer without a dialog).
    using FolderChooser = std::function<QString(QWidget* parent, const QString& start)>;
    void SetFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    // How "…" asks for a file to read; title is the field's label.
    using FileChooser = std::function<QString(QWidget* parent, const QString& title, const QString& start)>;
    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    static Validator AddressValidator();
    static Validator PortValidator(bool allowZero);
    static Validator FolderValidator();
    static Validator FileValidator();

public Q_SLOTS:
    // Validates and saves; stays open (with the reasons shown) when a value is refused or the
    // file cannot be written.
    void accept() override;

private:
    struct Row {
        Field field;
        QLineEdit* edit = nullptr;
        QCheckBox* check = nullptr;
        QLabel* problem = nullptr;
        QLabel* overrideNote = nullptr;
    };
    void AddOverrideNote(Row& row, QWidget* box, QGridLayout* grid, int* line);
    const Row* FindRow(const QString& key) const;
    bool CheckRow(Row& row);

    QString m_iniPath;
    QHash<QString, QString> m_overrides;
    QVBoxLayout* m_groups = nullptr;
    QList<Row> m_rows;
    FolderChooser m_chooseFolder;
    FileChooser m_chooseFile;
};
