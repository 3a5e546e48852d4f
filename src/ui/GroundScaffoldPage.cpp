#include "GroundScaffoldPage.h"

#include "InputChecks.h"
#include "ScaffoldFrame.h"
#include "Tfm_GroundWorkPara.h"
#include "Tfm_LoadPara.h"
#include "Tfm_hint.h"
#include "calc/ground/TGroundScaffold.h"
#include "core/AppPaths.h"
#include "core/Messages.h"
#include "core/NumberText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GroundScaffoldPage::GroundScaffoldPage(const QString& kindCaption, Host host, QWidget* parent)
    : ParameterPage(1, kindCaption, QString(), std::move(host), parent)
{
    setObjectName(QStringLiteral("ts_SetFastenerScaffold"));
    m_frame = new ScaffoldFrame(
        ScaffoldFrame::Use::FloorStanding, QStringLiteral("Frame11"), [this] { markModified(); }, this);
    connect(m_frame, &ScaffoldFrame::hintRequested, this,
            [this](bool smallAbove) { Tfm_hint::showHint(smallAbove, this); });
    body()->addWidget(m_frame);

    auto makeButton = [this](const QString& text, const char* name) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    bt_LoadPara = makeButton(QStringLiteral("荷载参数"), "bt_LoadPara");
    bt_GroundPara = makeButton(QStringLiteral("地基参数"), "bt_GroundPara");
    bt_FrontElevation = makeButton(QStringLiteral("落地架正立面图"), "bt_FrontElevation");
    bt_SideElevation = makeButton(QStringLiteral("落地架侧立面图"), "bt_SideElevation");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {bt_LoadPara, bt_GroundPara, bt_FrontElevation, bt_SideElevation}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    body()->addLayout(buttons);

    connect(bt_LoadPara, &QPushButton::clicked, this, &GroundScaffoldPage::editLoads);
    connect(bt_GroundPara, &QPushButton::clicked, this, &GroundScaffoldPage::editGround);
    connect(bt_FrontElevation, &QPushButton::clicked, this, [this] {
        ShowPicture(QStringLiteral("落地架正立面图"), AppPaths::picPath() + QStringLiteral("ground/落地架正立面图.bmp"),
                    this);
    });
    connect(bt_SideElevation, &QPushButton::clicked, this, [this] {
        ShowPicture(QStringLiteral("落地架侧立面图"), AppPaths::picPath() + QStringLiteral("ground/落地架侧立面图.bmp"),
                    this);
    });
}

GroundScaffoldPage::~GroundScaffoldPage() = default;

TGroundScaffold* GroundScaffoldPage::scaffold() const
{
    return dynamic_cast<TGroundScaffold*>(object());
}

void GroundScaffoldPage::showStep(TYsObj& obj)
{
    auto* g = dynamic_cast<TGroundScaffold*>(&obj);
    if (!g) {
        return;
    }
    m_pagePara = g->ExPara;
    m_frame->setFrom(m_pagePara);
}

bool GroundScaffoldPage::writeBack(TYsObj& obj)
{
    auto* g = dynamic_cast<TGroundScaffold*>(&obj);
    if (!g) {
        return true;
    }
    if (!m_frame->checkEntries()) {
        return false;
    }
    TScaffoldExPara read = m_pagePara;
    if (!m_frame->readInto(read)) {
        ShowWarning(writeBackFailedMessage());
        return false;
    }
    m_pagePara = read;
    g->ExPara.Assign(m_pagePara);
    if (m_loads) {
        g->StaticLoad = m_loads->staticLoad;
        g->LiveLoad = m_loads->liveLoad;
        g->OtherLoad = m_loads->otherLoad;
        g->WindLoad = m_loads->windLoad;
        g->WindLoadValid = m_loads->windLoadValid;
    }
    if (m_ground) {
        g->Groundwork = *m_ground;
    }
    return true;
}

void GroundScaffoldPage::hideStep()
{
    m_loads.reset();
    m_ground.reset();
    m_pagePara = TScaffoldExPara();
}

LoadDialogFrame GroundScaffoldPage::loadDialogFrame() const
{
    LoadDialogFrame f;
    f.lineCount = m_frame->options("rg_LineCount")->checkedId();
    f.stepM = textToReal(m_frame->edit("ed_h")->text().trimmed()).value_or(m_pagePara.h);
    f.spacingLaM = textToReal(m_frame->edit("ed_la")->text().trimmed()).value_or(m_pagePara.La);
    f.tubeType = m_frame->list("cb_TubeType")->currentIndex();
    f.erectionHeightText = m_frame->edit("ed_high")->text();
    return f;
}

void GroundScaffoldPage::editLoads()
{
    TGroundScaffold* g = scaffold();
    if (!g) {
        return;
    }
    if (!m_loads) {
        m_loads = Loads{g->StaticLoad, g->LiveLoad, g->OtherLoad, g->WindLoad, g->WindLoadValid};
    }
    markModified();
    Tfm_LoadPara::edit(m_loads->staticLoad, m_loads->liveLoad, m_loads->otherLoad, m_loads->windLoad,
                       m_loads->windLoadValid, loadDialogFrame(), this);
}

void GroundScaffoldPage::editGround()
{
    TGroundScaffold* g = scaffold();
    if (!g) {
        return;
    }
    if (!m_ground) {
        m_ground = g->Groundwork;
    }
    markModified();
    Tfm_GroundWorkPara::edit(*m_ground, this);
}
