#include "app/patients/userlist.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>
#include <QTextEdit>

#include <algorithm>
#include <limits>
#include <set>

#include "app/archive/worklistdlg.h"
#include "app/pictures/pictureio.h"
#include "app/pictures/thumbnail.h"
#include "app/widgets/dialogunits.h"
#include "app/widgets/facebutton.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/restoredlg.h"
#include "app/widgets/textutil.h"
#include "app/widgets/translation.h"
#include "app/widgets/uicolors.h"
#include "app/widgets/uifont.h"
#include "dicom/patient.h"
#include "platform/paths.h"
#include "records/audittrail.h"
#include "records/recordnames.h"
#include "records/textconv.h"

namespace {

const char kCaption[] = QT_TRANSLATE_NOOP("kavimo", "Oral image acquisition system");

// The sex box's items, sorted: the first two indexes are the record's values for female and male.
enum SexItem : int { kFemale = 0, kMale = 1, kOther = 2, kUnknown = 3 };
const char* const kSexLetters[] = {"F", "M", "O", "U"};

// What the record's sex field gets for a chosen item. It knows only female (0) and male (1);
// "other" and "unknown" get -1, the value a patient made without a chosen sex has always had
// (readers that know only the record show it as male); the details file says what was chosen.
int RecordSex(int item) { return item == kFemale || item == kMale ? item : -1; }

int SexItemOf(const std::string& letter) {
    for (int i = 0; i < 4; ++i) {
        if (letter == kSexLetters[i]) return i;
    }
    return -1;
}

QString SexText(int item) {
    static const char* const kTexts[] = {QT_TRANSLATE_NOOP("kavimo", "Female"), QT_TRANSLATE_NOOP("kavimo", "Male"),
                                         QT_TRANSLATE_NOOP("kavimo", "Other"), QT_TRANSLATE_NOOP("kavimo", "Unknown")};
    return item >= 0 && item < 4 ? Ui::tr(kTexts[item]) : QString();
}

// The details of a record's patient; empty ones when there is no usable details file.
records::PatientDetails DetailsOf(const _USER_INFO& user) {
    records::PatientDetails details;
    const std::string dir = platform::HostPath(records::RecordDirPath(user));
    if (!dir.empty() && records::ReadPatientDetails(dir, &details) == records::DetailsFound::Damaged) return {};
    return details;
}

// What a worklist entry orders: its pictures of the scheduled day (or, when the worklist gives
// none, of `today`) go into the order's study.
records::PatientOrder OrderOf(const dicom::WorklistEntry& entry, const std::string& today) {
    records::PatientOrder order;
    order.date = entry.scheduledDate.empty() ? today : entry.scheduledDate;
    order.studyUid = entry.studyUid;
    order.accessionNumber = entry.accessionNumber;
    order.requestedProcedureId = entry.requestedProcedureId;
    order.requestedProcedureDescription = entry.requestedProcedureDescription;
    order.stepId = entry.stepId;
    order.stepDescription = entry.description;
    order.referringPhysician = entry.referringPhysician;
    return order;
}

// A birth date as typed: YYYYMMDD, or with '-', '.' or '/' between the parts. Empty when it is
// not a date.
std::string BirthDateFromText(const QString& text) {
    QString digits = text.trimmed();
    digits.remove(QLatin1Char('-')).remove(QLatin1Char('.')).remove(QLatin1Char('/'));
    const std::string date = digits.toStdString();
    return records::IsValidDate(date) ? date : std::string();
}

// Leading blanks, a sign and digits, as the C runtime reads a number out of a text.
qint64 ParseLeading(const QString& text, qint64 low, qint64 high) {
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const int digit = text[i].unicode() - '0';
        if (!negative) {
            if (value > (high - digit) / 10) return high;
            value = value * 10 + digit;
        } else {
            if (value < (low + digit) / 10) return low;
            value = value * 10 - digit;
        }
    }
    return value;
}

// A caption before its box takes the room its text needs from the box, which keeps at least half
// of its width and the room of its hint ("YYYYMMDD"); a text that still does not fit is set
// smaller, down to three quarters of its size.
void FitCaption(QLabel* caption, QWidget* box) {
    const int needs = caption->fontMetrics().horizontalAdvance(caption->text()) + 2;
    int keeps = box->width() / 2;
    if (const auto* edit = qobject_cast<QLineEdit*>(box); edit && !edit->placeholderText().isEmpty())
        keeps =
            std::max(keeps, std::min(box->width(), edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + 8));
    const int more = std::min(needs - caption->width(), box->width() - keeps);
    if (more > 0) {
        caption->resize(caption->width() + more, caption->height());
        box->setGeometry(box->geometry().adjusted(more, 0, 0, 0));
    }
    const QFont font = caption->font();
    caption->setFont(FontThatFits(font, QFontInfo(font).pixelSize() * 3 / 4, [caption](const QFont& f) {
        return QFontMetrics(f).horizontalAdvance(caption->text()) + 2 <= caption->width();
    }));
}

QTableWidget* MakeReportList(QWidget* parent, const QStringList& titles, const QList<int>& widths) {
    auto* list = new QTableWidget(0, int(titles.size()), parent);
    list->setHorizontalHeaderLabels(titles);
    // A column is at least as wide as its title.
    for (int c = 0; c < widths.size(); ++c)
        list->setColumnWidth(c, c == 0 ? 0 : std::max(widths[c], list->horizontalHeader()->sectionSizeHint(c)));
    list->setColumnHidden(0, true);  // holds the row number, zero width
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setStretchLastSection(false);
    list->verticalHeader()->hide();
    // The rows are as high as the 28-pixel images of the lists' image list.
    list->verticalHeader()->setMinimumSectionSize(28);
    list->verticalHeader()->setDefaultSectionSize(28);
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setTabKeyNavigation(false);
    // The selection stays visible when the list does not have the focus.
    QPalette palette = list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    palette.setColor(QPalette::Base, Qt::white);
    list->setPalette(palette);
    return list;
}

}  // namespace

// --- Preview ---------------------------------------------------------------------------------

CPreviewFrame::CPreviewFrame(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

bool CPreviewFrame::ShowPicture(const QString& hostPath) {
    QString unreadable;
    QImage picture = ReadPictureFile(hostPath, &unreadable);
    if (picture.isNull()) return false;
    m_picture = picture;
    m_path = hostPath;
    update();
    return true;
}

void CPreviewFrame::ShowEmpty() {
    m_picture = QImage();
    m_path.clear();
    update();
}

void CPreviewFrame::Draw(QPainter& painter, const QRect& area) const {
    if (m_picture.isNull()) {
        painter.fillRect(area, QColor(150, 150, 150));
        return;
    }
    // The whole picture stretched into the frame; the aspect ratio is not kept.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, m_picture);
}

void CPreviewFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    Draw(painter, contentsRect());
}

QImage CPreviewFrame::Render() const {
    QImage image(contentsRect().size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    Draw(painter, image.rect());
    return image;
}

// --- Dialog ----------------------------------------------------------------------------------

CUserList::CUserList(RecordStore& store, QWidget* parent)
    : QDialog(parent), m_store(store), m_clock([] { return QDateTime::currentDateTime(); }) {
    BuildControls();
    OnInitDialog();
}

CUserList::~CUserList() = default;

void CUserList::BuildControls() {
    setObjectName(QStringLiteral("CUserList"));
    setWindowTitle(Ui::tr("User Management"));
    setFixedSize(DluX(694), DluY(375));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackgroundColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    auto label = [this](const QString& text, int x, int y, int w, int h) {
        auto* l = new QLabel(text, this);
        l->setGeometry(DialogUnitRect(x, y, w, h));
        return l;
    };
    QLabel* userCaption = label(Ui::tr("User List："), 6, 6, 60, 10);
    label(Ui::tr("Picture List："), 480, 6, 120, 10);
    label(Ui::tr("Preview："), 480, 216, 120, 10);
    QLabel* nameCaption = label(Ui::tr("Name："), 6, 233, 30, 10);
    QLabel* ageCaption = label(Ui::tr("Age："), 6, 259, 30, 10);
    QLabel* bornCaption = label(Ui::tr("Born："), 62, 259, 20, 10);
    QLabel* sexCaption = label(Ui::tr("sex："), 6, 285, 30, 10);
    QLabel* phoneCaption = label(Ui::tr("Phone："), 6, 310, 30, 10);
    QLabel* hospitalCaption = label(Ui::tr("Hospital："), 150, 231, 54, 10);
    QLabel* descriptionCaption = label(Ui::tr("Description："), 150, 259, 54, 10);

    m_userList = MakeReportList(this,
                                {QString(), Ui::tr("No."), Ui::tr("User ID"), Ui::tr("Name"), Ui::tr("Age"),
                                 Ui::tr("Sex"), Ui::tr("Phone"), Ui::tr("Disease")},
                                {0, 40, 140, 150, 50, 40, 100, 160});  // a full ID and name, no scrolling
    m_userList->setObjectName(QStringLiteral("IdUserList"));
    m_userList->setGeometry(DialogUnitRect(6, 18, 462, 192));

    m_userList->horizontalHeader()->setSortIndicatorShown(false);
    m_userList->horizontalHeader()->setSectionsClickable(true);
    m_userList->horizontalHeader()->setToolTip(Ui::tr("Click a column's title to sort by it"));
    connect(m_userList->horizontalHeader(), &QHeaderView::sectionClicked, this, &CUserList::SortBy);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("IdSearch"));
    m_search->setPlaceholderText(Ui::tr("Search: part of the name, ID or phone"));
    m_search->setClearButtonEnabled(true);
    m_search->setGeometry(DialogUnitRect(66, 4, 246, 12));
    connect(m_search, &QLineEdit::textChanged, this, &CUserList::ApplySearch);
    m_noMatch = new QLabel(this);
    m_noMatch->setObjectName(QStringLiteral("IdNoMatch"));
    m_noMatch->setTextFormat(Qt::PlainText);  // it quotes what was typed
    m_noMatch->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_noMatch->setGeometry(DialogUnitRect(6, 212, 462, 10));
    m_noMatch->hide();

    m_pictureList = MakeReportList(this, {QString(), Ui::tr("No."), Ui::tr("Time")}, {0, 40, 220});
    m_pictureList->setObjectName(QStringLiteral("IdPictureList"));
    m_pictureList->setGeometry(DialogUnitRect(480, 18, 198, 192));
    // Only this list always shows its selection; the picture list's fades with the focus.
    m_pictureList->setPalette(QApplication::palette(m_pictureList));

    m_preview = new CPreviewFrame(this);
    m_preview->setObjectName(QStringLiteral("IdPreview"));
    m_preview->setGeometry(DialogUnitRect(480, 228, 198, 138));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("IdName"));
    m_name->setGeometry(DialogUnitRect(36, 232, 96, 13));
    m_age = new QLineEdit(this);
    m_age->setObjectName(QStringLiteral("IdAge"));
    m_age->setGeometry(DialogUnitRect(36, 258, 24, 13));
    // A birth date may stand instead of the age, which then follows it.
    m_birthDate = new QLineEdit(this);
    m_birthDate->setObjectName(QStringLiteral("IdBirthDate"));
    m_birthDate->setPlaceholderText(Ui::tr("YYYYMMDD"));
    m_birthDate->setGeometry(DialogUnitRect(82, 258, 50, 13));
    m_birthDate->setToolTip(Ui::tr("Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it"));
    m_sex = new QComboBox(this);
    m_sex->setObjectName(QStringLiteral("IdSex"));
    m_sex->setEditable(true);
    m_sex->setInsertPolicy(QComboBox::NoInsert);
    m_sex->addItems({SexText(kFemale), SexText(kMale), SexText(kOther), SexText(kUnknown)});  // sorted
    m_sex->setGeometry(DialogUnitRect(36, 283, 96, 13));
    m_phone = new QLineEdit(this);
    m_phone->setObjectName(QStringLiteral("IdPhone"));
    m_phone->setGeometry(DialogUnitRect(35, 309, 96, 13));
    m_description = new QTextEdit(this);
    m_description->setObjectName(QStringLiteral("IdDescription"));
    m_description->setAcceptRichText(false);
    m_description->setTabChangesFocus(true);
    m_description->setFont(CellHeightFont(QStringLiteral("宋体"), 12, kWeightNormal));
    m_description->setGeometry(DialogUnitRect(204, 258, 264, 66));
    m_hospital = new QLineEdit(this);
    m_hospital->setObjectName(QStringLiteral("IdHospital"));
    m_hospital->setGeometry(DialogUnitRect(204, 228, 228, 18));

    // The captions of other languages are longer than the boxes after them leave room for.
    const std::pair<QLabel*, QWidget*> captions[] = {
        {userCaption, m_search},       {nameCaption, m_name},
        {ageCaption, m_age},           {bornCaption, m_birthDate},
        {sexCaption, m_sex},           {phoneCaption, m_phone},
        {hospitalCaption, m_hospital}, {descriptionCaption, m_description},
    };
    for (const auto& [caption, box] : captions) FitCaption(caption, box);

    const QFont buttonFont = CellHeightFont(QStringLiteral("Arial"), 20, kWeightNormal);
    auto button = [&](const char* name, const QString& text, QRect geometry, void (CUserList::*slot)()) {
        auto* b = new CFaceButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->SetFaceColor(kButtonFaceColour);
        b->setFont(buttonFont);
        b->setGeometry(geometry);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    button("IdSet", Ui::tr("Set"), DialogUnitRect(432, 228, 42, 18), &CUserList::OnSetHospital);
    button("IdUpdate", Ui::tr("Update"), DialogUnitRect(627, 6, 50, 11), &CUserList::OnUpdate);
    button("IdQuery", Ui::tr("Query"), DialogUnitRect(18, 336, 54, 30), &CUserList::OnQuery);
    button("IdModify", Ui::tr("Modify"), DialogUnitRect(78, 336, 54, 30), &CUserList::OnModify);
    button("IdCreate", Ui::tr("Create"), DialogUnitRect(138, 336, 54, 30), &CUserList::OnCreate);
    button("IdDelete", Ui::tr("Delete"), DialogUnitRect(198, 336, 54, 30), &CUserList::OnDelete);
    button("IdWorklist", Ui::tr("Worklist"), DialogUnitRect(258, 336, 60, 30), &CUserList::OnWorklist);
    // A secondary action: the dialog's own font, not the big face of the main buttons.
    QPushButton* restore = button("IdRestorePatients", Ui::tr("Restore deleted patients…"),
                                  DialogUnitRect(368, 4, 100, 12), &CUserList::OnRestorePatients);
    restore->setFont(font());
    // A longer text takes the free room between the search box and the button.
    const int wanted = restore->fontMetrics().horizontalAdvance(restore->text()) + 12 - restore->width();
    const int free = restore->x() - (m_search->geometry().right() + DluX(4));
    if (wanted > 0) restore->setGeometry(restore->geometry().adjusted(-std::min(wanted, std::max(0, free)), 0, 0, 0));
    QPushButton* ok = button("IdOK", Ui::tr("OK"), DialogUnitRect(324, 336, 66, 30), &CUserList::accept);
    button("IdCancel", Ui::tr("Cancel"), DialogUnitRect(402, 336, 66, 30), &CUserList::reject);
    ok->setDefault(true);

    connect(m_userList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CUserList::OnUserSelectionChanged);
    connect(m_pictureList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CUserList::OnPictureSelectionChanged);
    connect(m_userList, &QTableWidget::cellDoubleClicked, this, &CUserList::OnUserListDoubleClicked);
    MirrorForReadingDirection(this);
}

void CUserList::Message(const QString& text) { ShowMessageBox(this, text, Ui::tr(kCaption)); }

QStringList CUserList::UserRowTexts(const _USER_INFO& user, int rowNumber, const records::PatientDetails* details) {
    const QString description = FieldQString(user.description, 350);
    const int sexItem = details ? SexItemOf(details->sex) : -1;
    return {QString::number(rowNumber),
            QString::number(rowNumber),
            QStringLiteral("UID%1").arg(qint64(user.uid)),
            details && !details->name.empty() ? QString::fromStdString(details->name) : FieldQString(user.name, 16),
            QString::number(user.age),
            sexItem >= 0    ? SexText(sexItem)
            : user.sex != 0 ? Ui::tr("Male")
                            : Ui::tr("Female"),
            details && !details->phone.empty() ? QString::fromStdString(details->phone)
                                               : QString::number(qint64(user.phone)),
            LeftUnits(description, 16) + QStringLiteral("......")};
}

int CUserList::ParseInt32(const QString& text) {
    return int(ParseLeading(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

qint64 CUserList::ParseInt64(const QString& text) {
    return ParseLeading(text, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
}

void CUserList::SetRowTexts(int row, const QStringList& texts) {
    for (int c = 0; c < texts.size() && c < m_userList->columnCount(); ++c) {
        QTableWidgetItem* cell = m_userList->item(row, c);
        if (!cell) {
            cell = new QTableWidgetItem;
            m_userList->setItem(row, c, cell);
        }
        cell->setText(texts[c]);
    }
}

void CUserList::AppendUserRow(const _USER_INFO& user) {
    const int row = m_userList->rowCount();
    m_userList->insertRow(row);
    const records::PatientDetails details = DetailsOf(user);
    SetRowTexts(row, UserRowTexts(user, row + 1, &details));
    SetSearchKey(row, user, details);
    ApplySort();
    ApplySearch();
}

void CUserList::FillUserList() {
    m_userList->setUpdatesEnabled(false);
    const int count = m_store.UserCount();
    m_userList->setRowCount(count);
    _USER_INFO user = {};
    for (int i = 0; i < count; ++i) {
        m_store.GetUser(i, &user);
        const records::PatientDetails details = DetailsOf(user);
        SetRowTexts(i, UserRowTexts(user, i + 1, &details));
        SetSearchKey(i, user, details);
    }
    ApplySort();
    ApplySearch();
    m_userList->setUpdatesEnabled(true);
}

// --- Search and sort ---------------------------------------------------------------------------

void CUserList::SetSearchKey(int row, const _USER_INFO& user, const records::PatientDetails& details) {
    // Beyond what the row shows: the name as the record holds it (a long name is cut there) and
    // an outside Patient ID.
    const QString extra = FieldQString(user.name, 16) + QLatin1Char('\n') + QString::fromStdString(details.patientId) +
                          QLatin1Char('\n') + QString::number(user.uid);
    if (QTableWidgetItem* cell = m_userList->item(row, 2)) cell->setData(Qt::UserRole, extra);
}

bool CUserList::RowMatches(int row, const QStringList& words) const {
    QString key;
    for (int c : {2, 3, 6}) {
        if (const QTableWidgetItem* cell = m_userList->item(row, c))
            key += cell->text() + QLatin1Char('\n') + cell->data(Qt::UserRole).toString() + QLatin1Char('\n');
    }
    for (const QString& word : words) {
        if (!key.contains(word, Qt::CaseInsensitive)) return false;
    }
    return true;
}

void CUserList::ApplySearch() {
    const QString typed = m_search->text().simplified();
    const QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int firstShown = -1;
    QHeaderView* rows = m_userList->verticalHeader();
    for (int row = 0; row < m_userList->rowCount(); ++row) {
        const bool shown = RowMatches(row, words);
        m_userList->setRowHidden(row, !shown);
        if (shown && (firstShown < 0 || rows->visualIndex(row) < rows->visualIndex(firstShown))) firstShown = row;
    }
    m_noMatch->setText(Ui::tr("No patient matches \"%1\".").arg(typed));
    m_noMatch->setVisible(firstShown < 0 && !words.isEmpty());
    // The patient in the fields is one of those listed: the first match takes a hidden one's place.
    const int selected = FirstSelectedRow(m_userList);
    if (firstShown >= 0 && (selected < 0 || m_userList->isRowHidden(selected))) SelectRowAndFocus(firstShown, false);
}

void CUserList::SortBy(int column) {
    if (column == m_sortColumn)
        m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        m_sortOrder = Qt::AscendingOrder;
    m_sortColumn = column;
    m_userList->horizontalHeader()->setSortIndicatorShown(true);
    m_userList->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    ApplySort();
}

void CUserList::ApplySort() {
    const int count = m_userList->rowCount();
    std::vector<int> order(size_t(count), 0);
    for (int i = 0; i < count; ++i) order[size_t(i)] = i;
    if (m_sortColumn >= 0) {
        const int column = m_sortColumn;
        const bool numeric = column == 1 || column == 4;
        auto text = [this, column](int row) {
            const QTableWidgetItem* cell = m_userList->item(row, column);
            return cell ? cell->text() : QString();
        };
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            int c = 0;
            if (numeric)
                c = text(a).toLongLong() < text(b).toLongLong() ? -1 : text(a).toLongLong() > text(b).toLongLong();
            else
                c = QString::localeAwareCompare(text(a).toCaseFolded(), text(b).toCaseFolded());
            return m_sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
        });
    }
    QHeaderView* rows = m_userList->verticalHeader();
    for (int v = 0; v < count; ++v) {
        const int from = rows->visualIndex(order[size_t(v)]);
        if (from != v) rows->moveSection(from, v);
    }
}

void CUserList::OnInitDialog() {
    m_hospital->setText(ToQString(m_store.GetHospital()));

    m_nInitialIndex = m_store.LastIndex();
    if (m_nInitialIndex == -1) m_nInitialIndex = 0;

    const bool hasPatients = m_store.UserCount() > 0;
    if (hasPatients) {
        FillUserList();
        m_store.SelectUser(m_nInitialIndex);
    }
    m_sex->setCurrentIndex(-1);
    m_sex->clearEditText();
    SelectRowAndFocus(m_nInitialIndex);
    if (hasPatients)
        FillPictureList();
    else
        m_preview->ShowEmpty();
}

void CUserList::SelectRowAndFocus(int row, bool focus) {
    if (row < 0 || row >= m_userList->rowCount()) return;
    m_userList->selectionModel()->setCurrentIndex(m_userList->model()->index(row, 1),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_userList->scrollToItem(m_userList->item(row, 1));
    if (focus) m_userList->setFocus();
}

int CUserList::FirstSelectedRow(QTableWidget* list) const {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& index : rows) {
        if (first == -1 || index.row() < first) first = index.row();
    }
    return first;
}

void CUserList::OnUserSelectionChanged(const QItemSelection& selected) {
    // Each row that has just become selected is loaded, in list order.
    std::set<int> gained;
    for (const QModelIndex& index : selected.indexes()) gained.insert(index.row());
    for (int row : gained) LoadUserRow(row);
}

void CUserList::LoadUserRow(int row) {
    m_nEditedRow = row;
    _USER_INFO user = {};
    m_store.GetUser(row, &user);
    ShowPatientFields(user);
    m_description->setPlainText(FieldQString(user.description, 350));
    m_store.SelectUser(row);
    FillPictureList();
}

void CUserList::FillPictureList() {
    m_pictureList->setRowCount(0);
    _USER_INFO user = {};
    int count = 0;
    if (m_store.GetCurrentUser(&user) >= 0) count = user.picCount;
    _DISE_PIC first = {};
    bool haveFirst = false;
    for (int i = 0; i < count; ++i) {
        _DISE_PIC picture = {};
        if (m_store.GetPicture(i, &picture) != 1) break;
        if (!haveFirst) {
            first = picture;
            haveFirst = true;
        }
        const int row = m_pictureList->rowCount();
        m_pictureList->insertRow(row);
        const QString time = QString::asprintf("%d/%02d/%02d %02d:%02d:%02d", picture.year, picture.month, picture.day,
                                               picture.hour, picture.minute, picture.second);
        const QStringList texts = {QString::number(row + 1), QString::number(row + 1), time};
        for (int c = 0; c < texts.size(); ++c) m_pictureList->setItem(row, c, new QTableWidgetItem(texts[c]));
    }
    if (haveFirst)
        PreviewPicture(records::FieldText(first.path));
    else
        m_preview->ShowEmpty();
}

void CUserList::PreviewPicture(const std::string& logicalPath) {
    const std::string host = platform::HasDriveLetter(logicalPath) ? platform::HostPath(logicalPath) : logicalPath;
    if (host.empty()) return;
    m_preview->ShowPicture(QString::fromStdString(host));
}

void CUserList::OnPictureSelectionChanged(const QItemSelection& selected) {
    std::set<int> gained;
    for (const QModelIndex& index : selected.indexes()) gained.insert(index.row());
    for (int row : gained) {
        _DISE_PIC picture = {};
        if (m_store.GetPicture(row, &picture) == 1) PreviewPicture(records::FieldText(picture.path));
    }
}

// The boxes show a patient: what was typed where the details file has it, else the record.
void CUserList::ShowPatientFields(const _USER_INFO& user) {
    const records::PatientDetails details = DetailsOf(user);
    m_name->setText(details.name.empty() ? FieldQString(user.name, 16) : QString::fromStdString(details.name));
    const int sexItem = SexItemOf(details.sex);
    if (sexItem >= 0) {
        m_sex->setCurrentIndex(sexItem);
    } else if (user.sex == 0 || user.sex == 1) {
        m_sex->setCurrentIndex(user.sex);
    } else {
        m_sex->setCurrentIndex(-1);
        m_sex->clearEditText();
    }
    m_age->setText(QString::number(user.age));
    const QDate born = QDate::fromString(QString::fromStdString(details.birthDate), QStringLiteral("yyyyMMdd"));
    m_birthDate->setText(born.isValid() ? born.toString(Qt::ISODate) : QString());
    m_phone->setText(details.phone.empty() ? QString::number(qint64(user.phone))
                                           : QString::fromStdString(details.phone));
}

// Reads the boxes into the record and into the details, which keep what was typed whole. The
// record gets what it has always got: the first 15 characters of the name, the phone's leading
// number, the age in years.
bool CUserList::ReadPatientFields(_USER_INFO* user, bool withDescription, records::PatientDetails* details) {
    const QString fullName = m_name->text();
    const QString name = LeftUnits(fullName, 15);
    const QString birthText = m_birthDate->text().trimmed();
    const std::string birthDate = BirthDateFromText(birthText);
    const std::string today = m_clock().date().toString(QStringLiteral("yyyyMMdd")).toStdString();
    const int bornAge = dicom::AgeOn(birthDate, today);
    const int age = birthDate.empty() ? ParseInt32(m_age->text()) : bornAge;
    // The chosen item's index; text typed into the box counts only when it is one of the items.
    const int sex = m_sex->findText(m_sex->currentText());
    const qint64 phone = ParseInt64(m_phone->text());

    if (name.isEmpty()) {
        Message(Ui::tr("Please enter name！"));
        return false;
    }
    if (!birthText.isEmpty() && bornAge < 0) {
        Message(Ui::tr("Please enter the birth date as YYYY-MM-DD, not after today！"));
        return false;
    }
    if (age == 0 && birthDate.empty()) {
        Message(Ui::tr("Please enter age！"));
        return false;
    }
    if (phone == 0) {
        Message(Ui::tr("Please enter phone！"));
        return false;
    }
    if (sex < 0) {
        Message(Ui::tr("Please choose sex (Female, Male, Other or Unknown)！"));
        return false;
    }
    if (!birthDate.empty()) m_age->setText(QString::number(age));
    records::SetFieldText(user->name, ToU16String(name));
    user->age = age;
    user->sex = RecordSex(sex);
    user->phone = phone;
    details->name = fullName.toStdString();
    details->phone = m_phone->text().toStdString();
    details->birthDate = birthDate;
    details->sex = kSexLetters[sex];
    if (withDescription) {
        records::SetFieldText(user->description, ToU16String(LeftUnits(m_description->toPlainText(), 349)));
    }
    return true;
}

// Writes the details file beside the patient's records; says so when it could not be kept.
void CUserList::WriteDetails(const _USER_INFO& user, const records::PatientDetails& details) {
    std::string error;
    if (!records::WritePatientDetails(platform::HostPath(records::RecordDirPath(user)), details, &error)) {
        Message(Ui::tr("The patient's record was written, but the name, phone and birth date as typed "
                       "were not kept: %1")
                    .arg(QString::fromStdString(error)));
    }
}

// Writes the worklist order beside the patient's details, when the entry came with one.
void CUserList::WriteOrder(const _USER_INFO& user, const records::PatientOrder& order) {
    if (order.IsEmpty()) return;
    std::string error;
    if (!records::WritePatientOrder(platform::HostPath(records::RecordDirPath(user)), order, &error)) {
        Message(Ui::tr("The patient was created, but the worklist's order was not kept, so the pictures "
                       "will not be attached to it in the archive: %1")
                    .arg(QString::fromStdString(error)));
    }
}

void CUserList::OnCreate() {
    _USER_INFO user = {};
    records::PatientDetails details;
    if (!ReadPatientFields(&user, false, &details)) return;
    const QDateTime now = m_clock();
    const QDate d = now.date();
    const QTime t = now.time();
    user.uid = uint64_t(d.year()) * 10000000000ull + uint64_t(d.month()) * 100000000ull +
               uint64_t(d.day()) * 1000000ull + uint64_t(t.hour()) * 10000ull + uint64_t(t.minute()) * 100ull +
               uint64_t(t.second());

    // The store refuses a patient whose number does not follow the last one, and a patient
    // beyond its limit; say so instead of leaving the dentist wondering.
    const int count = m_store.UserCount();
    if (count >= records::kMaxPatients) {
        Message(Ui::tr("The patient list is full: at most %n patients can be kept！", nullptr, records::kMaxPatients));
        return;
    }
    if (count > 0) {
        _USER_INFO last = {};
        m_store.GetUser(count - 1, &last);
        if (user.uid <= last.uid) {
            Message(Ui::tr("A patient was created less than a second ago; please press Create again！"));
            return;
        }
    }
    if (m_store.AddUser(user) != 1) return;  // the store has reported why
    _USER_INFO added = {};
    m_store.GetUser(m_store.UserCount() - 1, &added);
    const bool fromWorklist = m_hasWorklistEntry;
    if (fromWorklist) {
        // The worklist's identity goes with the new patient.
        m_hasWorklistEntry = false;
        details.patientId = m_worklistEntry.patient.patientId;
        details.issuer = m_worklistEntry.patient.issuer;
        details.personName = m_worklistEntry.patient.patientName;
    }
    WriteDetails(added, details);
    if (fromWorklist) WriteOrder(added, OrderOf(m_worklistEntry, d.toString(QStringLiteral("yyyyMMdd")).toStdString()));
    AppendUserRow(added);
    records::AuditTrail::Record(records::audit::kPatientCreated, added.uid, records::RecordDirPath(added),
                                details.patientId.empty() ? "" : "from the worklist");
    // The new patient is the one about to be treated: selected, so that OK takes it.
    SelectRowAndFocus(m_userList->rowCount() - 1);
}

void CUserList::OnWorklist() {
    dicom::WorklistEntry entry;
    const bool picked =
        m_pickWorklist ? m_pickWorklist(this, m_pacs, &entry) : PickWorklistPatient(this, m_pacs, &entry);
    if (!picked) return;
    m_worklistEntry = entry;
    m_hasWorklistEntry = true;
    m_name->setText(WorklistDisplayName(entry.patient.patientName));
    if (SexItemOf(entry.patient.sex) >= 0) m_sex->setCurrentIndex(SexItemOf(entry.patient.sex));
    const int age =
        dicom::AgeOn(entry.patient.birthDate, m_clock().date().toString(QStringLiteral("yyyyMMdd")).toStdString());
    m_age->setText(age >= 0 ? QString::number(age) : QString());
    const QDate born = QDate::fromString(QString::fromStdString(entry.patient.birthDate), QStringLiteral("yyyyMMdd"));
    m_birthDate->setText(age >= 0 ? born.toString(Qt::ISODate) : QString());
}

void CUserList::OnModify() {
    _USER_INFO user = {};
    m_store.GetCurrentUser(&user);
    // An outside identity stays; the worklist's spelling of the name only while the name does.
    records::PatientDetails details = DetailsOf(user);
    const std::string nameBefore = details.name;
    if (!ReadPatientFields(&user, true, &details)) return;
    if (details.name != nameBefore) details.personName.clear();
    const bool changed = m_store.ModifyUser(user) == 1;
    if (changed) WriteDetails(user, details);
    records::AuditTrail::Record(records::audit::kPatientChanged, user.uid, records::RecordDirPath(user),
                                changed ? "" : "not written", changed);
    // The store has said why; the row keeps showing what the records still hold.
    if (!changed) return;
    const int row = m_nEditedRow;
    if (row < 0 || row >= m_userList->rowCount()) return;
    QStringList texts = UserRowTexts(user, row + 1, &details);
    texts[5] = texts[5].toLower();
    for (int c = 2; c < texts.size(); ++c) m_userList->item(row, c)->setText(texts[c]);
}

void CUserList::OnQuery() {
    // The name box's text, else the phone's: the next patient (in the list's order, wrapping)
    // whose name, ID or phone holds it, in any case.
    const QString typed = (m_name->text().trimmed().isEmpty() ? m_phone->text() : m_name->text()).simplified();
    const QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return;
    QHeaderView* rows = m_userList->verticalHeader();
    const int count = m_userList->rowCount();
    const int selected = FirstSelectedRow(m_userList);
    const int start = selected < 0 ? -1 : rows->visualIndex(selected);
    int found = -1;
    for (int step = 1; step <= count && found < 0; ++step) {
        const int row = rows->logicalIndex((start + step + count) % count);
        if (!m_userList->isRowHidden(row) && RowMatches(row, words)) found = row;
    }
    m_noMatch->setText(Ui::tr("No patient matches \"%1\".").arg(typed));
    m_noMatch->setVisible(found < 0);
    if (found < 0) return;  // the patient shown stays
    SelectRowAndFocus(found);
    _USER_INFO user = {};
    m_store.GetUser(found, &user);
    ShowPatientFields(user);
    m_store.SelectUser(found);
    FillPictureList();
}

void CUserList::OnDelete() {
    if (ShowMessageBox(this, Ui::tr("Are you sure delete？") + DeletionDetail(), Ui::tr("User Management"),
                       QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    for (int row = FirstSelectedRow(m_userList); row != -1; row = FirstSelectedRow(m_userList)) {
        if (row == m_nInitialIndex)
            m_nInitialIndex = -1;
        else if (row < m_nInitialIndex)
            --m_nInitialIndex;
        m_pictureList->setRowCount(0);
        m_userList->removeRow(row);
        _USER_INFO user = {};
        const bool known = m_store.GetUser(row, &user) == row;
        const int deleted = m_store.DeleteUser(row);
        if (deleted >= 0 && known) {
            records::AuditTrail::Record(records::audit::kPatientDeleted, user.uid, records::RecordDirPath(user),
                                        deleted == 1 ? "" : "its directory was not removed completely", deleted == 1);
        }
        if (deleted == 1 && known) {
            // The patient's thumbnails go with its pictures.
            ThumbnailCache::ForgetDirectoryLater(
                QString::fromStdString(platform::HostPath(records::PatientDirPath(user.uid))));
        }
    }
    m_nEditedRow = -1;
    RenumberRows();
    ApplySort();
    ApplySearch();
    m_store.Flush();
    m_store.SelectUser(0);
}

// What the selected rows take with them, asked once for all of them.
QString CUserList::DeletionDetail() const {
    const QModelIndexList rows = m_userList->selectionModel()->selectedRows();
    if (rows.isEmpty()) return QString();
    int pictures = 0;
    _USER_INFO user = {};
    for (const QModelIndex& row : rows) {
        if (m_store.GetUser(row.row(), &user) == row.row()) pictures += std::max(user.picCount, 0);
    }
    const QString count = Ui::tr("%n pictures", nullptr, pictures);
    const QString what =
        rows.size() == 1
            ? Ui::tr("Delete the patient %1 (%2) and %3?")
                  .arg(FieldQString(user.name, 16), QString::fromStdString(records::UidText(user.uid)), count)
            : Ui::tr("Delete %n patients and their %1?", nullptr, int(rows.size())).arg(count);
    return Ui::tr(
               "\n\n%1\nThey go to the trash, from which \"Restore deleted patients…\" brings them back "
               "for %n days.",
               nullptr, records::kTrashKeepDays)
        .arg(what);
}

void CUserList::OnRestorePatients() {
    const std::vector<records::TrashEntry> deleted = m_store.DeletedPatients();
    if (deleted.empty()) {
        Message(Ui::tr("There are no deleted patients to restore."));
        return;
    }
    int restored = -1;
    for (const std::string& id : CRestoreDlg::Choose(this, Ui::tr("Restore deleted patients"), deleted)) {
        const int index = m_store.RestoreUser(id);
        if (index < 0) continue;
        restored = index;
        // The rows from its place on move down by one, the patient current at opening with them.
        if (m_nInitialIndex >= index) ++m_nInitialIndex;
        _USER_INFO user = {};
        m_store.GetUser(index, &user);
        records::AuditTrail::Record(records::audit::kPatientRestored, user.uid, records::RecordDirPath(user),
                                    "from the trash", true);
    }
    if (restored < 0) return;
    FillUserList();
    SelectRowAndFocus(restored);
}

void CUserList::RenumberRows() {
    for (int row = 0; row < m_userList->rowCount(); ++row) {
        for (int c : {0, 1}) {
            if (QTableWidgetItem* cell = m_userList->item(row, c)) cell->setText(QString::number(row + 1));
        }
    }
}

void CUserList::OnUpdate() {
    m_store.SelectUser(FirstSelectedRow(m_userList));
    m_store.RebuildPictures();
    FillPictureList();
}

void CUserList::OnSetHospital() {
    const QString name = m_hospital->text();
    if (name.isEmpty()) {
        Message(Ui::tr("Please enter hospital name！"));
        return;
    }
    if (m_store.SetHospital(ToU16String(name)) == 1) Message(Ui::tr("Set hospital successfull！"));
}

void CUserList::OnUserListDoubleClicked() {
    m_store.SelectUser(FirstSelectedRow(m_userList));
    accept();
}

void CUserList::accept() {
    const int row = FirstSelectedRow(m_userList);
    m_store.SelectUser(row == -1 ? 0 : row);
    QDialog::accept();
}

void CUserList::reject() {
    if (m_nInitialIndex == -1) {
        // The patient that was current when the dialog opened has been deleted: leave none.
        if (m_store.CurrentIndex() != -1) m_store.CommitCurrentUser();
    } else {
        m_store.SelectUser(m_nInitialIndex);
    }
    QDialog::reject();
}
