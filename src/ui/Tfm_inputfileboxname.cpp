#include "Tfm_inputfileboxname.h"

#include "DialogFace.h"
#include "core/Messages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tfm_inputfileboxname::Tfm_inputfileboxname(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("输入提示"));
    applyDialogFont(this);
    auto* layout = new QVBoxLayout(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(240);
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    btnCancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, [this] {
        if (confirm()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(new QLabel(QStringLiteral("新建文件夹名称:"), this));
    layout->addWidget(Edit1);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
    Edit1->setFocus();
}

bool Tfm_inputfileboxname::confirm()
{
    if (Edit1->text().trimmed().isEmpty()) {
        ShowWarning(QStringLiteral("请输入文件夹名称!"));
        Edit1->setFocus();
        Edit1->selectAll();
        return false;
    }
    return true;
}

QString Tfm_inputfileboxname::name() const
{
    return Edit1->text();
}

std::optional<QString> Tfm_inputfileboxname::askName(const QString& initial, QWidget* parent)
{
    Tfm_inputfileboxname dialog(parent);
    dialog.Edit1->setText(initial);
    dialog.Edit1->selectAll();
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.name();
}
