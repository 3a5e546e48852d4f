#include "DialogFace.h"

#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

void applyDialogFont(QWidget* dialog)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    dialog->setFont(font);
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

void layOutPanelAndButtons(QWidget* dialog, QWidget* panel, QPushButton* ok, QPushButton* cancel)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(panel);
    layout->addLayout(buttonRow({ok, cancel}));
}
