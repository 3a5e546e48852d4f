#include "DialogFont.h"

#include <QFont>
#include <QWidget>

void applyDialogFont(QWidget* dialog)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    dialog->setFont(font);
}
