#include "Tfm_guide.h"

#include "DialogFace.h"
#include "core/Messages.h"
#include "core/YsError.h"
#include "refdata/Tdm1.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 3;

} // namespace

Tfm_guide::Tfm_guide(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("添加向导"));
    applyDialogFont(this);

    try {
        const SqlRows rows = dm1().OpenSql(
            QStringLiteral("select bname, Type from jsjtype where jsjclass = 1 or jsjclass = 2 order by SortOrder"));
        for (int r = 0; r < rows.count(); ++r) {
            const QString name = rows.text(r, QStringLiteral("bname")).trimmed();
            const int type = static_cast<int>(rows.number(r, QStringLiteral("Type")));
            if (!name.isEmpty() && type >= 2) {
                m_kinds.push_back({name, type});
            }
        }
    } catch (const YsError&) {
        // Without the reference data no kind is offered; 确定 then says so.
        m_kinds.clear();
    }

    rgp1 = new QGroupBox(QStringLiteral("计算方案类型:"), this);
    options = new QButtonGroup(this);
    auto* grid = new QGridLayout(rgp1);
    // Filled column by column, as an option group in three columns is.
    const int perColumn = (kindCount() + kColumns - 1) / kColumns;
    for (int i = 0; i < kindCount(); ++i) {
        auto* option = new QRadioButton(m_kinds[static_cast<size_t>(i)].bname, rgp1);
        options->addButton(option, i);
        grid->addWidget(option, i % perColumn, i / perColumn);
    }
    connect(options, &QButtonGroup::idClicked, this, &Tfm_guide::selectKind);

    Edit1 = new QLineEdit(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("计算方案名称:"), this));
    nameRow->addWidget(Edit1, 1);

    btnOk = new QPushButton(QStringLiteral("确定"), this);
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    connect(btnOk, &QPushButton::clicked, this, [this] {
        if (confirm()) {
            accept();
        }
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = buttonRow({btnOk, btnCancel});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rgp1);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);

    if (kindCount() > 0) {
        selectKind(0);
    }
    Edit1->setFocus();
    Edit1->selectAll();
}

void Tfm_guide::selectKind(int index)
{
    if (QAbstractButton* option = options->button(index)) {
        option->setChecked(true);
        Edit1->setText(option->text());
        Edit1->selectAll();
    }
}

bool Tfm_guide::confirm()
{
    m_choice.reset();
    const int selected = options->checkedId();
    if (selected < 0 || selected >= kindCount()) {
        ShowWarning(QStringLiteral("没有可添加的计算方案类型！"));
        return false;
    }
    if (Edit1->text().trimmed().isEmpty()) {
        ShowWarning(QStringLiteral("计算方案名称不能为空！"));
        Edit1->setFocus();
        Edit1->selectAll();
        return false;
    }
    m_choice = Choice{m_kinds[static_cast<size_t>(selected)].type, Edit1->text()};
    return true;
}

std::optional<Tfm_guide::Choice> Tfm_guide::choose(QWidget* parent)
{
    Tfm_guide guide(parent);
    if (guide.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return guide.choice();
}
