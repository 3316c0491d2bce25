#include "app/widgets/userguide.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"

namespace {

const char kGuideFile[] = "user-guide.md";
constexpr int kPictureWidth = 840;  // screenshots are whole screens: shown at the window's width

// The screenshots shrink to the text's width (their height follows).
void FitPictures(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture = document->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
            if (picture.isNull() || picture.width() <= kPictureWidth) continue;
            image.setWidth(kPictureWidth);
            image.setHeight(double(kPictureWidth) * picture.height() / picture.width());
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

}  // namespace

QStringList UserGuideCandidates() {
    QStringList places;
    const QString chosen = qEnvironmentVariable("KAVIMO_USER_GUIDE");
    if (!chosen.isEmpty()) places << chosen;
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty())
        places << QDir::cleanPath(programDir + QStringLiteral("/../share/doc/kavimo/user-guide/") + kGuideFile);
    places << QStringLiteral("/usr/share/doc/kavimo/user-guide/") + kGuideFile;
#ifdef KAVIMO_SOURCE_DOCS
    places << QStringLiteral(KAVIMO_SOURCE_DOCS "/") + kGuideFile;
#endif
    return places;
}

QString UserGuidePath() {
    for (const QString& place : UserGuideCandidates()) {
        if (QFileInfo(place).isFile()) return place;
    }
    return QString();
}

QWidget* ShowUserGuide(QWidget* parent) {
    static QPointer<QDialog> open;
    if (open) {
        open->raise();
        open->activateWindow();
        return open;
    }
    const QString path = UserGuidePath();
    if (path.isEmpty()) {
        ShowMessageBox(parent,
                       Ui::tr("The user guide is not installed. It was looked for in:\n%1")
                           .arg(UserGuideCandidates().join(QLatin1Char('\n'))),
                       Ui::tr("User guide"), QMessageBox::Warning);
        return nullptr;
    }
    auto* window = new QDialog(parent);
    window->setObjectName(QStringLiteral("UserGuide"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(Ui::tr("kavimo user guide"));
    window->resize(900, 700);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("UserGuideText"));
    browser->setOpenExternalLinks(false);  // the guide links only to its own sections
    browser->setSearchPaths({QFileInfo(path).absolutePath()});
    browser->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
    FitPictures(browser->document());
    auto* close = new QPushButton(Ui::tr("Close"), window);
    QObject::connect(close, &QPushButton::clicked, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    layout->addWidget(close, 0, Qt::AlignRight);
    window->show();
    open = window;
    return window;
}
