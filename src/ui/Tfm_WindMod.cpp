#include "Tfm_WindMod.h"

#include "DialogFace.h"
#include "InputChecks.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tfm_WindMod::Tfm_WindMod(const TWindload& wind, QWidget* parent)
    : QDialog(parent)
    , m_wind(wind)
{
    setWindowTitle(QStringLiteral("风荷载体型系数计算"));
    applyDialogFont(this);

    Panel1 = new QWidget(this);
    rg_type = new QGroupBox(QStringLiteral("脚手架类型"), Panel1);
    rg_typeButtons = new QButtonGroup(rg_type);
    auto* options = new QVBoxLayout(rg_type);
    const QStringList types = TWindload::scaffoldStatusNames();
    for (int i = 0; i < types.size(); ++i) {
        auto* option = new QRadioButton(types.at(i), rg_type);
        rg_typeButtons->addButton(option, i);
        options->addWidget(option);
    }
    ed_areaNoWind = new QLineEdit(Panel1);
    ed_areaWind = new QLineEdit(Panel1);
    auto* note = new QLabel(QStringLiteral("注: 参见规范表4.2.4  挡风系数=1.2×(挡风面积/迎风面积)"), Panel1);
    bt_ok = new QPushButton(QStringLiteral("确定"), this);
    bt_cancel = new QPushButton(QStringLiteral("取消"), this);
    keepEnterForChecks(this);

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(rg_type, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("挡风面积"), Panel1), 1, 0);
    grid->addWidget(ed_areaNoWind, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("迎风面积"), Panel1), 2, 0);
    grid->addWidget(ed_areaWind, 2, 1);
    grid->addWidget(note, 3, 0, 1, 2);

    layOutPanelAndButtons(this, Panel1, bt_ok, bt_cancel);

    m_bindings = {
        {ed_areaNoWind, &m_wind.AN, 0.1, 100},
        {ed_areaWind, &m_wind.Aw, 0.1, 100},
    };
    m_bindings.installChecks();
    m_bindings.fill();
    if (auto* option = rg_typeButtons->button(m_wind.ScaffoldStatus)) {
        option->setChecked(true);
    }
    EditCheckOnControls(Panel1, {});

    connect(bt_ok, &QPushButton::clicked, this, &Tfm_WindMod::confirm);
    connect(bt_cancel, &QPushButton::clicked, this, &Tfm_WindMod::reject);
}

bool Tfm_WindMod::confirm()
{
    return confirmBound(*this, Panel1, m_bindings, [this] {
        if (rg_typeButtons->checkedId() >= 0) {
            m_wind.ScaffoldStatus = rg_typeButtons->checkedId();
        }
    });
}

void Tfm_WindMod::reject()
{
    rejectUnlessRefused(*this, Panel1);
}
