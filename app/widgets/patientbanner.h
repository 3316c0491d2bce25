// CPatientBanner: the current patient's name and UID in large type, so that whoever sits in the
// chair or stands at it sees at a glance whose pictures are being taken. The name and the UID are
// two lines, or one line in a banner at least eight times as wide as high; each is drawn as large
// as the banner allows (up to kMaxEmPixels). User-interface thread.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <cstdint>

class CPatientBanner : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxEmPixels = 56;

    explicit CPatientBanner(QWidget* parent = nullptr);

    // The patient shown ("" and 0: none, the banner stays empty).
    void SetPatient(const QString& name, uint64_t uid);
    QString Name() const { return m_name; }
    // "UID20240101100000", or "" without a patient.
    QString UidText() const { return m_uid; }
    // The fonts the two lines are drawn with at the banner's present size.
    QFont NameFont() const { return FittedFont(m_name, 0); }
    QFont UidFont() const { return FittedFont(m_uid, 1); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool OneLine() const;
    QFont FittedFont(const QString& text, int line) const;

    QString m_name;
    QString m_uid;
};
