#include "MessageBoxMessages.h"

#include "TFm_FilePasswordCheck.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QWidget* dialogParent()
{
    if (QWidget* w = QApplication::activeModalWidget()) {
        return w;
    }
    return QApplication::activeWindow();
}

Messages::Answer ask(const QString& text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape)
{
    QMessageBox box(QMessageBox::Question, kQuestionTitle, text, buttons, dialogParent());
    box.setEscapeButton(escape);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Messages::Answer::Yes;
    case QMessageBox::No:
        return Messages::Answer::No;
    default:
        return Messages::Answer::Cancel;
    }
}

} // namespace

void MessageBoxMessages::showWarning(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, kWarningTitle, text, QMessageBox::Ok, dialogParent());
    box.exec();
}

void MessageBoxMessages::showInformation(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, dialogParent());
    box.exec();
}

Messages::Answer MessageBoxMessages::askYesNo(const QString& text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

Messages::Answer MessageBoxMessages::askYesNoCancel(const QString& text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

std::optional<QString> MessageBoxMessages::askPassword(const QString& title, const QString& prompt)
{
    return TFm_FilePasswordCheck::ask(title, prompt, dialogParent());
}
