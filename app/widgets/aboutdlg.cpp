#include "app/widgets/aboutdlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kavimoapp.h"
#include "app/widgets/appresources.h"
#include "app/widgets/translation.h"
#include "app/widgets/userguide.h"
#include "kavimo_version.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    InitAppResources();
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(Ui::tr("关于 kavimo"));
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("IdBanner"));
    banner->setPixmap(QPixmap(QStringLiteral(":/bitmap/136.png")));
    banner->setFixedSize(380, 132);
    auto* line1 = new QLabel(Ui::tr("kavimo, version %1").arg(QStringLiteral(KAVIMO_VERSION)), this);
    auto* line2 = new QLabel(Ui::tr("Oral image acquisition system for WiFi intraoral cameras"), this);
    auto* log = new QLabel(Ui::tr("Log: %1").arg(LogFilePath()), this);
    log->setObjectName(QStringLiteral("LogPath"));
    log->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* guide = new QPushButton(Ui::tr("User guide (F1)"), this);
    guide->setObjectName(QStringLiteral("UserGuide"));
    connect(guide, &QPushButton::clicked, this, [this] { ShowUserGuide(parentWidget() ? parentWidget() : this); });
    auto* ok = new QPushButton(Ui::tr("确定"), this);
    ok->setObjectName(QStringLiteral("IdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner, 0, Qt::AlignHCenter);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->addWidget(log);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(guide);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
