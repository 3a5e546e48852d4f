#include "TFm_FilePasswordCheck.h"

#include "DialogFace.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFm_FilePasswordCheck::TFm_FilePasswordCheck(QWidget* parent, const QString& title, const QString& prompt)
    : QDialog(parent)
{
    setWindowTitle(title);
    applyDialogFont(this);
    auto* layout = new QVBoxLayout(this);
    label = new QLabel(prompt, this);
    ed_pw = new QLineEdit(this);
    ed_pw->setObjectName(QStringLiteral("ed_pw"));
    ed_pw->setEchoMode(QLineEdit::Password);
    ed_pw->setMinimumWidth(220);
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    btnCancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    btnOk->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(ed_pw);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
    ed_pw->setFocus();
}

QString TFm_FilePasswordCheck::password() const
{
    return ed_pw->text();
}

std::optional<QString> TFm_FilePasswordCheck::ask(const QString& title, const QString& prompt, QWidget* parent)
{
    TFm_FilePasswordCheck dialog(parent, title, prompt);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.password();
}
