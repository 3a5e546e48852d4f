#include "Tfm_windHigh.h"

#include "DialogFace.h"
#include "InputChecks.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tfm_windHigh::Tfm_windHigh(const TWindload& wind, const QString& scaffoldHeightText, QWidget* parent)
    : QDialog(parent)
    , m_wind(wind)
    , m_scaffoldHeightText(scaffoldHeightText)
{
    setWindowTitle(QStringLiteral("风荷载高度变化计算"));
    applyDialogFont(this);

    GroupBox1 = new QGroupBox(this);
    cb_coarse = new QComboBox(GroupBox1);
    cb_coarse->addItems(TWindload::coarseNames());
    ed_High = new QLineEdit(GroupBox1);
    bt_takeHeight = new QPushButton(QStringLiteral("提取脚手架搭设高度"), GroupBox1);
    bt_ok = new QPushButton(QStringLiteral("确定"), this);
    bt_cancel = new QPushButton(QStringLiteral("取消"), this);
    keepEnterForChecks(this);

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(new QLabel(QStringLiteral("地基粗糙程度"), GroupBox1), 0, 0);
    grid->addWidget(cb_coarse, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("风荷载计算高度(m)"), GroupBox1), 1, 0);
    grid->addWidget(ed_High, 1, 1);
    grid->addWidget(bt_takeHeight, 1, 2);
    grid->setColumnStretch(1, 1);

    layOutPanelAndButtons(this, GroupBox1, bt_ok, bt_cancel);

    m_bindings = {
        {cb_coarse, &m_wind.Coarse},
        {ed_High, &m_wind.High, 1, 100},
    };
    m_bindings.installChecks();
    m_bindings.fill();
    EditCheckOnControls(GroupBox1, {});

    connect(bt_takeHeight, &QPushButton::clicked, this, &Tfm_windHigh::takeScaffoldHeight);
    connect(bt_ok, &QPushButton::clicked, this, &Tfm_windHigh::confirm);
    connect(bt_cancel, &QPushButton::clicked, this, &Tfm_windHigh::reject);
}

void Tfm_windHigh::takeScaffoldHeight()
{
    if (!m_scaffoldHeightText.isNull()) {
        ed_High->setText(m_scaffoldHeightText);
    }
}

bool Tfm_windHigh::confirm()
{
    return confirmBound(*this, GroupBox1, m_bindings);
}

void Tfm_windHigh::reject()
{
    rejectUnlessRefused(*this, GroupBox1);
}
