// The main window's teeth and views: the chart for the shown or picked pictures (and after a
// capture, when the clinic wants it), the teeth on the thumbnails, the viewer and the report,
// the filter of the thumbnail list, and Compare.
#include <QFileInfo>
#include <QInputDialog>

#include <algorithm>

#include "app/mainwindow/kavimodlg.h"
#include "app/pictures/comparedlg.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/pictureio.h"
#include "app/pictures/toothchartdlg.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"
#include "platform/paths.h"
#include "records/audittrail.h"
#include "records/recordnames.h"
#include "records/textconv.h"

namespace {

const char kTeethCaption[] = QT_TRANSLATE_NOOP("kavimo", "Teeth and view");

// The picture's file name when it lies directly in the patient's own directory (only those have
// their teeth in its file); empty otherwise.
QString OwnPictureName(const _USER_INFO& patient, const QString& logicalPath) {
    std::string normalized;
    const std::string dir = records::RecordDirPath(patient);
    if (!platform::NormalizeLogicalPath(logicalPath.toStdString(), &normalized) ||
        !platform::IsWithinLogicalDir(dir, normalized)) {
        return {};
    }
    const QString name = FileNameOf(logicalPath);
    const QString own = QString::fromStdString(platform::JoinLogical(dir, name.toStdString()));
    return own.compare(QString::fromStdString(normalized), Qt::CaseInsensitive) == 0 ? name : QString();
}

QString DateText(const _DISE_PIC& picture) {
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(int(picture.year), 4, 10, QLatin1Char('0'))
        .arg(int(picture.month), 2, 10, QLatin1Char('0'))
        .arg(int(picture.day), 2, 10, QLatin1Char('0'))
        .arg(int(picture.hour), 2, 10, QLatin1Char('0'))
        .arg(int(picture.minute), 2, 10, QLatin1Char('0'));
}

long long TakenKey(const _DISE_PIC& picture) {
    return ((((picture.year * 100LL + picture.month) * 100 + picture.day) * 100 + picture.hour) * 100 +
            picture.minute) *
               100 +
           picture.second;
}

}  // namespace

QString CkavimoDlg::PatientHostDir() const {
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return {};
    return QString::fromStdString(platform::HostPath(records::RecordDirPath(user)));
}

records::ToothTags CkavimoDlg::CurrentToothTags() const {
    const QString dir = PatientHostDir();
    return dir.isEmpty() ? records::ToothTags() : records::ToothTags::Load(dir.toStdString());
}

QString CkavimoDlg::TagsText(const records::PictureTags& tags, const char* separator) const {
    QString text = QString::fromStdString(records::TeethText(tags.teethFdi, m_teethSettings.notation, separator));
    if (tags.view != records::View::None) {
        if (!text.isEmpty()) text += QStringLiteral(" · ");
        text += QString::fromStdString(records::ViewLabel(tags.view));
    }
    return text;
}

QString CkavimoDlg::TeethCaptionOf(const QString& logicalPath) const {
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return {};
    const QString name = OwnPictureName(user, logicalPath);
    if (name.isEmpty()) return {};
    const records::PictureTags tags = CurrentToothTags().TagsOf(name.toStdString());
    if (tags.Empty()) return {};
    return (tags.teethFdi.empty() ? QString() : Ui::tr("Teeth ")) + TagsText(tags, " ");
}

void CkavimoDlg::UpdateToothLabels() {
    QHash<QString, QString> labels;
    const records::ToothTags tags = CurrentToothTags();
    for (const auto& [name, picture] : tags.Pictures()) {
        QString label = QString::fromStdString(records::TeethText(picture.teethFdi, m_teethSettings.notation, " "));
        if (label.isEmpty()) label = QString::fromStdString(records::ViewLabel(picture.view));
        labels.insert(QString::fromStdString(name), label);
    }
    m_list->SetToothLabels(labels);
    if (!m_pictureFilter.isEmpty()) SetPictureFilter(m_pictureFilter);  // the tags changed under it
}

bool CkavimoDlg::TagPictures(const QStringList& logicalPaths, const records::PictureTags& tags, QString* error) {
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return false;
    const std::string dir = PatientHostDir().toStdString();
    QStringList failures;
    for (const QString& path : logicalPaths) {
        const QString name = OwnPictureName(user, path);
        std::string why;
        const bool done = !name.isEmpty() && records::SetPictureTags(dir, name.toStdString(), tags, &why);
        if (name.isEmpty()) why = Ui::tr("not a picture in the patient's directory").toStdString();
        const QString detail = QStringLiteral("Teeth: %1, view: %2")
                                   .arg(QString::fromStdString(records::FdiList(tags.teethFdi)),
                                        QString::fromLatin1(records::ViewName(tags.view)));
        records::AuditTrail::Record(
            records::audit::kSave, user.uid, path.toStdString(),
            (done ? detail : detail + QStringLiteral(": ") + QString::fromStdString(why)).toStdString(), done);
        if (!done) failures << QStringLiteral("%1: %2").arg(path, QString::fromStdString(why));
    }
    UpdateToothLabels();
    if (error) *error = failures.join(QLatin1Char('\n'));
    return failures.isEmpty();
}

void CkavimoDlg::KeepTeethOfSavedAs(const QString& from, const QString& to) {
    // A picture saved as a new one shows what the picture it was drawn on shows; the four panes
    // saved as one picture show several, and get none.
    if (m_review.Split() || from.isEmpty()) return;
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return;
    const QString source = OwnPictureName(user, from);
    const QString target = OwnPictureName(user, to);
    if (source.isEmpty() || target.isEmpty()) return;
    const records::PictureTags tags = CurrentToothTags().TagsOf(source.toStdString());
    std::string error;
    if (!tags.Empty() && !records::SetPictureTags(PatientHostDir().toStdString(), target.toStdString(), tags, &error)) {
        ShowMessageBox(
            this,
            Ui::tr("The teeth of %1 were not given to %2:\n%3").arg(source, target, QString::fromStdString(error)),
            Ui::tr(kTeethCaption), QMessageBox::Warning);
    }
}

QStringList CkavimoDlg::PicturesToTag() const {
    QStringList paths = PickedPaths();
    paths.removeAll(QString());
    if (paths.isEmpty() && !m_review.Split() && !m_review.PanePath(0).isEmpty()) paths << m_review.PanePath(0);
    return paths;
}

bool CkavimoDlg::AskForTeeth(const QStringList& logicalPaths) {
    if (logicalPaths.isEmpty() || m_openChart) return false;
    const records::ToothTags all = CurrentToothTags();
    // Several pictures start from what they have in common: the first's tags when all agree.
    records::PictureTags initial = all.TagsOf(FileNameOf(logicalPaths.first()).toStdString());
    for (const QString& path : logicalPaths) {
        if (all.TagsOf(FileNameOf(path).toStdString()) != initial) initial = records::PictureTags();
    }
    const QString subject = logicalPaths.size() == 1 ? FileNameOf(logicalPaths.first())
                                                     : Ui::tr("%n pictures", nullptr, int(logicalPaths.size()));
    CToothChartDlg chart(initial, m_teethSettings.notation, subject, this);
    m_openChart = &chart;
    const bool accepted = (m_runChart ? m_runChart(chart) : chart.exec()) == QDialog::Accepted;
    m_openChart = nullptr;
    if (!accepted) return false;
    QString error;
    if (!TagPictures(logicalPaths, chart.Tags(), &error)) {
        ShowMessageBox(this, Ui::tr("The teeth were not stored:\n%1").arg(error), Ui::tr(kTeethCaption),
                       QMessageBox::Warning);
        return false;
    }
    return true;
}

void CkavimoDlg::OnTagPictures() { AskForTeeth(PicturesToTag()); }

void CkavimoDlg::OfferChartAfterCapture(const std::string& logicalPath) {
    if (!m_teethSettings.chartAfterCapture || logicalPath.empty()) return;
    // After the capture's own work is done and drawn: the camera's keys keep working meanwhile.
    const QString path = QString::fromStdString(logicalPath);
    QTimer::singleShot(0, this, [this, path] { AskForTeeth({path}); });
}

bool CkavimoDlg::CameraKeyForChart(int code) {
    if (!m_openChart) return false;
    // The key that captures confirms the chart, so that the hands stay on the camera; the
    // others wait until it is closed.
    if (code == 0x55) m_openChart->accept();
    return true;
}

bool CkavimoDlg::SetPictureFilter(const QString& text) {
    const QString wanted = text.trimmed();
    m_pictureFilter.clear();
    if (wanted.isEmpty()) {
        m_list->SetShownFilter(nullptr);
        return true;
    }
    // A tooth in the clinic's notation or as an FDI number, or a view.
    int tooth = 0;
    for (int fdi = 11; fdi <= 85 && tooth == 0; ++fdi) {
        const QString name = QString::fromStdString(records::ToothName(fdi, m_teethSettings.notation));
        if (!name.isEmpty() && (name.compare(wanted, Qt::CaseInsensitive) == 0 || QString::number(fdi) == wanted))
            tooth = fdi;
    }
    records::View view = records::View::None;
    if (tooth == 0 && (!records::ParseView(wanted.toStdString(), &view) || view == records::View::None)) return false;
    m_pictureFilter = wanted;
    const records::ToothTags tags = CurrentToothTags();
    m_list->SetShownFilter([tags, tooth, view](const QString& fileName) {
        const records::PictureTags picture = tags.TagsOf(fileName.toStdString());
        if (tooth != 0) return std::binary_search(picture.teethFdi.begin(), picture.teethFdi.end(), tooth);
        return picture.view == view;
    });
    return true;
}

void CkavimoDlg::OnFilterPictures() {
    bool ok = false;
    const QString text = QInputDialog::getText(
        this, Ui::tr("Show pictures of"),
        Ui::tr("A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, "
               "close-up, other).\nEmpty shows every picture.")
            .arg(m_teethSettings.notation == records::ToothNotation::Universal ? Ui::tr("1–32 or A–T")
                 : m_teethSettings.notation == records::ToothNotation::Palmer  ? Ui::tr("UR1, LLA")
                                                                               : QStringLiteral("11–48, 51–85")),
        QLineEdit::Normal, m_pictureFilter, &ok);
    if (ok && !SetPictureFilter(text)) {
        ShowMessageBox(this, Ui::tr("\"%1\" is neither a tooth nor a view.").arg(text.trimmed()),
                       Ui::tr("Show pictures of"), QMessageBox::Warning);
    }
}

bool CkavimoDlg::ComparePair(QString* earlier, QString* later, QString* why) const {
    _USER_INFO user = {};
    if (m_store.GetCurrentUser(&user) < 0) return false;
    std::vector<records::DatedPicture> pictures;
    std::vector<QString> paths;
    for (int i = 0; i < user.picCount; ++i) {
        _DISE_PIC picture = {};
        if (m_store.GetPicture(i, &picture) != 1) continue;
        const QString path = PicturePathText(picture);
        pictures.push_back({FileNameOf(path).toStdString(), TakenKey(picture)});
        paths.push_back(path);
    }
    const auto indexOf = [&](const QString& path) {
        for (size_t i = 0; i < paths.size(); ++i) {
            if (paths[i].compare(path, Qt::CaseInsensitive) == 0) return int(i);
        }
        return -1;
    };
    const QStringList picked = PickedPaths();
    if (picked.size() == 2) {
        // The two picked, the earlier on the left.
        const int a = indexOf(picked[0]), b = indexOf(picked[1]);
        if (a < 0 || b < 0) return false;
        const bool aFirst = pictures[size_t(a)].taken <= pictures[size_t(b)].taken;
        *earlier = paths[size_t(aFirst ? a : b)];
        *later = paths[size_t(aFirst ? b : a)];
        return true;
    }
    const int shown = m_review.Split() ? -1 : indexOf(m_review.PanePath(0));
    if (shown < 0) {
        *why = Ui::tr("Show a picture, or pick two, to compare.");
        return false;
    }
    const records::ToothTags tags = CurrentToothTags();
    if (tags.TagsOf(pictures[size_t(shown)].name).teethFdi.empty()) {
        *why = Ui::tr("The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.");
        return false;
    }
    const int before = records::EarlierPictureOfSameTooth(tags, pictures, size_t(shown));
    if (before < 0) {
        *why = Ui::tr("No earlier picture shows the same teeth.");
        return false;
    }
    *earlier = paths[size_t(before)];
    *later = paths[size_t(shown)];
    return true;
}

void CkavimoDlg::OnCompare() {
    QString earlier, later, why;
    if (!ComparePair(&earlier, &later, &why)) {
        if (!why.isEmpty()) ShowMessageBox(this, why, Ui::tr("Compare"));
        return;
    }
    const auto side = [this](const QString& path) {
        CCompareDlg::Side result;
        QString error;
        result.picture = ReadPictureFile(HostPathOf(path), &error);
        const int index = StoreIndexOfPath(path);
        _DISE_PIC picture = {};
        result.caption = index >= 0 && m_store.GetPicture(index, &picture) == 1 ? DateText(picture) : FileNameOf(path);
        const QString teeth = TeethCaptionOf(path);
        if (!teeth.isEmpty()) result.caption += QStringLiteral("   ") + teeth;
        return result;
    };
    CCompareDlg compare(side(earlier), side(later), this);
    if (m_runCompare)
        m_runCompare(compare);
    else
        compare.exec();
}
