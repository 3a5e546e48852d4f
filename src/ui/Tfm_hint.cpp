#include "Tfm_hint.h"

#include "DialogFace.h"
#include "core/AppPaths.h"
#include "report/PictureStore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

Tfm_hint::Tfm_hint(bool smallAbove, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("提示"));
    applyDialogFont(this);

    // The texts keep their own line breaks and the ideographic space that indents the wrapped line.
    text1 = new QLabel(QStringLiteral("1.南方地区通常采用小横杆上铺设大横杆的方式,北方反之,其传力顺序\r\n"
                                      "  不同,具体根据当地情况选择计算。"),
                       this);
    text2 = new QLabel(QStringLiteral("2.小横杆上铺设大横杆的计算,其两侧的大横杆直接通过扣件连接到立杆,\r\n"
                                      "　所以以集中力传递到小横杆只有中间的大横杆,可根据实际选择２或３\r\n"
                                      "  根大横杆(对话框中不含两侧杆)。"),
                       this);
    for (QLabel* label : {text1, text2}) {
        label->setTextFormat(Qt::PlainText);
    }

    picture = new QLabel(this);
    picture->setAlignment(Qt::AlignCenter);
    const QImage image = PictureStore::load(AppPaths::picPath() + pictureName(smallAbove));
    m_hasPicture = !image.isNull();
    if (m_hasPicture) {
        picture->setPixmap(QPixmap::fromImage(image));
    } else {
        picture->hide(); // a missing picture leaves the explanation usable without it
    }

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1);
    layout->addWidget(text2);
    layout->addWidget(picture, 1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

QString Tfm_hint::pictureName(bool smallAbove)
{
    return smallAbove ? QStringLiteral("Ground/SmallAbove.bmp") : QStringLiteral("Ground/BigAbove.bmp");
}

void Tfm_hint::showHint(bool smallAbove, QWidget* parent)
{
    Tfm_hint hint(smallAbove, parent);
    hint.exec();
}
