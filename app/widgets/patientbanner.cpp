#include "app/widgets/patientbanner.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "app/widgets/uifont.h"

namespace {

const QString kGap = QStringLiteral("   ");  // between name and UID on one line

}  // namespace

CPatientBanner::CPatientBanner(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void CPatientBanner::SetPatient(const QString& name, uint64_t uid) {
    m_name = name;
    m_uid = uid != 0 ? QStringLiteral("UID%1").arg(qulonglong(uid)) : QString();
    setAccessibleName(m_uid.isEmpty() ? QString() : m_name + QLatin1Char(' ') + m_uid);
    update();
}

bool CPatientBanner::OneLine() const { return width() >= 8 * std::max(1, height()); }

// The largest bold "Arial" (up to kMaxEmPixels) whose text fits the banner's width and its line's
// height; the name line is the larger one when both could be.
QFont CPatientBanner::FittedFont(const QString& text, int line) const {
    const bool one = OneLine();
    const QString shown = one ? m_name + kGap + m_uid : text;
    const int lineHeight = one ? height() : height() / 2;
    int em = std::min(kMaxEmPixels - (one ? 0 : 8 * line), lineHeight * 3 / 4);
    QFont font = EmPixelFont(QStringLiteral("Arial"), std::max(em, 8), kWeightBold);
    if (shown.isEmpty()) return font;
    while (em > 8) {
        font = EmPixelFont(QStringLiteral("Arial"), em, kWeightBold);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(shown) <= width() && metrics.height() <= lineHeight) break;
        --em;
    }
    return font;
}

void CPatientBanner::paintEvent(QPaintEvent*) {
    if (m_uid.isEmpty()) return;
    QPainter p(this);
    p.setPen(Qt::black);
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    if (OneLine()) {
        p.setFont(NameFont());
        p.drawText(rect(), flags, m_name + kGap + m_uid);
        return;
    }
    const int half = height() / 2;
    p.setFont(NameFont());
    p.drawText(QRect(0, 0, width(), half), flags, m_name);
    p.setFont(UidFont());
    p.drawText(QRect(0, half, width(), height() - half), flags, m_uid);
}
