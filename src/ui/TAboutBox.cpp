#include "TAboutBox.h"

#include "DialogFace.h"
#include "ProductArt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

const QString TAboutBox::kHomePage = QStringLiteral("http://www.yunshansoft.example/");

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于云杉脚手架计算"));
    applyDialogFont(this);

    picture = new QLabel(this);
    picture->setPixmap(productEmblem(QSize(96, 96)));
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);

    productName = new QLabel(QStringLiteral("云杉脚手架智能计算软件"), this);
    QFont nameFont = productName->font();
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    productName->setFont(nameFont);

    version = new QLabel(versionText(), this);
    homePage = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(kHomePage), this);
    homePage->setTextFormat(Qt::RichText);
    homePage->setCursor(Qt::PointingHandCursor);
    homePage->setOpenExternalLinks(false);
    connect(homePage, &QLabel::linkActivated, this, [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });

    auto* info = new QGridLayout;
    info->addWidget(productName, 0, 0, 1, 2);
    info->addWidget(new QLabel(QStringLiteral("版本："), this), 1, 0);
    info->addWidget(version, 1, 1);
    info->addWidget(new QLabel(QStringLiteral("公司网址："), this), 2, 0);
    info->addWidget(homePage, 2, 1);
    info->setColumnStretch(1, 1);
    info->setVerticalSpacing(10);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(info, 1);

    btnOk = new QPushButton(QStringLiteral("确定"), this);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = buttonRow({btnOk});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

QString TAboutBox::versionText()
{
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral("V1.1") : v;
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::showAbout(QWidget* parent)
{
    TAboutBox box(parent);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        box.move(screen->availableGeometry().center() - box.rect().center());
    }
    box.exec();
}
