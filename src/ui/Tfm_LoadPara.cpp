#include "Tfm_LoadPara.h"

#include "DialogFace.h"
#include "InputChecks.h"
#include "Tfm_WindMod.h"
#include "Tfm_windHigh.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "refdata/Tdm1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <exception>

namespace {

// The province shown for a wind setting that has none chosen yet.
const QString kFirstProvince = QStringLiteral("浙江");

QString roundedTo3(double x)
{
    return realToText(textToReal(formatFixedDecimals(x, 3)).value_or(x));
}

void addRow(QGridLayout* grid, int row, const QString& label, QWidget* control)
{
    auto* text = new QLabel(label, control->parentWidget());
    text->setBuddy(control);
    grid->addWidget(text, row, 0);
    grid->addWidget(control, row, 1);
}

} // namespace

bool Tfm_LoadPara::edit(TStaticLoad& staticLoad, TLiveLoad& liveLoad, TOtherLoad& otherLoad, TWindload& windLoad,
                        bool& windLoadValid, const LoadDialogFrame& frame, QWidget* parent)
{
    Tfm_LoadPara dialog(staticLoad, liveLoad, otherLoad, windLoad, windLoadValid, frame, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    staticLoad.Assign(dialog.staticLoad());
    liveLoad.Assign(dialog.liveLoad());
    otherLoad.Assign(dialog.otherLoad());
    windLoad.Assign(dialog.windLoad());
    windLoadValid = dialog.windLoadValid();
    return true;
}

Tfm_LoadPara::Tfm_LoadPara(const TStaticLoad& staticLoad, const TLiveLoad& liveLoad, const TOtherLoad& otherLoad,
                           const TWindload& windLoad, bool windLoadValid, const LoadDialogFrame& frame, QWidget* parent)
    : QDialog(parent)
    , m_windLoadValid(windLoadValid)
    , m_frame(frame)
{
    m_static.Assign(staticLoad);
    m_live.Assign(liveLoad);
    m_other.Assign(otherLoad);
    m_wind.Assign(windLoad);
    setWindowTitle(QStringLiteral("荷载参数设置"));
    applyDialogFont(this);

    Panel1 = new QWidget(this);
    gb_live = new QGroupBox(QStringLiteral(" 活荷载参数 "), Panel1);
    gb_wind = new QGroupBox(QStringLiteral(" 风荷载参数 "), Panel1);
    gb_static = new QGroupBox(QStringLiteral(" 静荷载参数 "), Panel1);

    CB_purpose = new QComboBox(gb_live);
    CB_purpose->addItems(TLiveLoad::purposeNames());
    ed_ConstructLoad = new QLineEdit(gb_live);
    ed_ConstructFloor = new QLineEdit(gb_live);
    auto* live = new QGridLayout(gb_live);
    addRow(live, 0, QStringLiteral("脚手架用途"), CB_purpose);
    addRow(live, 1, QStringLiteral("施工荷载均布参数(kN/m²)"), ed_ConstructLoad);
    addRow(live, 2, QStringLiteral("同时施工层数"), ed_ConstructFloor);
    live->setColumnStretch(1, 1);

    cb_isWind = new QCheckBox(QStringLiteral("考虑风荷载"), gb_wind);
    cb_Province = new QComboBox(gb_wind);
    CB_area = new QComboBox(gb_wind);
    Ed_Wo = new QLineEdit(gb_wind);
    bt_uz = new QPushButton(QStringLiteral("风荷载高度变化系数μz:"), gb_wind);
    Ed_uz = new QLineEdit(gb_wind);
    bt_us = new QPushButton(QStringLiteral("风荷载体型系数μs:"), gb_wind);
    Ed_us = new QLineEdit(gb_wind);
    auto* wind = new QGridLayout(gb_wind);
    wind->addWidget(cb_isWind, 0, 0, 1, 2);
    auto* place = new QHBoxLayout;
    auto* provinceLabel = new QLabel(QStringLiteral("省"), gb_wind);
    provinceLabel->setBuddy(cb_Province);
    auto* areaLabel = new QLabel(QStringLiteral("地区"), gb_wind);
    areaLabel->setBuddy(CB_area);
    place->addWidget(provinceLabel);
    place->addWidget(cb_Province, 1);
    place->addWidget(areaLabel);
    place->addWidget(CB_area, 1);
    wind->addLayout(place, 1, 0, 1, 2);
    addRow(wind, 2, QStringLiteral("基本风压Wo(kN/m²)"), Ed_Wo);
    wind->addWidget(bt_uz, 3, 0);
    wind->addWidget(Ed_uz, 3, 1);
    wind->addWidget(bt_us, 4, 0);
    wind->addWidget(Ed_us, 4, 1);
    wind->setColumnStretch(1, 1);

    ed_poleDeadWeight = new QLineEdit(gb_static);
    ed_poleDeadWeight->setEnabled(false);
    cb_ScaffoldBoardType = new QComboBox(gb_static);
    cb_ScaffoldBoardType->addItems(TStaticLoad::scaffoldBoardTypeNames());
    ed_BoardDeadWeight = new QLineEdit(gb_static);
    cb_BalusterType = new QComboBox(gb_static);
    cb_BalusterType->addItems(TStaticLoad::balusterTypeNames());
    ed_BalusterDeadWeight = new QLineEdit(gb_static);
    ed_safewareDeadWeight = new QLineEdit(gb_static);
    ed_ScaffoldBoardLayer = new QLineEdit(gb_static);
    auto* dead = new QGridLayout(gb_static);
    addRow(dead, 0, QStringLiteral("每米立杆数承受的结构自重标准(kN/m²)"), ed_poleDeadWeight);
    addRow(dead, 1, QStringLiteral("脚手板类别"), cb_ScaffoldBoardType);
    addRow(dead, 2, QStringLiteral("脚手板自重标准值(kN/m²)"), ed_BoardDeadWeight);
    addRow(dead, 3, QStringLiteral("脚手板铺设层数"), ed_ScaffoldBoardLayer);
    addRow(dead, 4, QStringLiteral("栏杆挡板类别"), cb_BalusterType);
    addRow(dead, 5, QStringLiteral("栏杆挡脚板自重标准值(kN/m²)"), ed_BalusterDeadWeight);
    addRow(dead, 6, QStringLiteral("安全设施与安全网(kN/m²)"), ed_safewareDeadWeight);
    dead->setColumnStretch(1, 1);
    dead->setRowStretch(7, 1);

    auto* panel = new QGridLayout(Panel1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(gb_live, 0, 0);
    panel->addWidget(gb_wind, 1, 0);
    panel->addWidget(gb_static, 0, 1, 2, 1);
    panel->setRowStretch(1, 1);

    bt_ok = new QPushButton(QStringLiteral("确定"), this);
    bt_cancel = new QPushButton(QStringLiteral("取消"), this);
    layOutPanelAndButtons(this, Panel1, bt_ok, bt_cancel);
    keepEnterForChecks(this);

    m_bindings = {
        {ed_ConstructLoad, &m_live.ConstructSTDValue, 0.01, 100},
        {CB_purpose, &m_live.Purpose},
        {Ed_Wo, &m_wind.Wo, 0.01, 10},
        {Ed_uz, &m_wind.Uz, 0.01, 10},
        {Ed_us, &m_wind.Us, 0.1, 10},
        {ed_poleDeadWeight, &m_static.DeadWeightPoleSTD},
        {ed_BoardDeadWeight, &m_static.ScaffoldBoardDeadWeight, 0.01, 10},
        {ed_BalusterDeadWeight, &m_static.BalusterDeadWeight, 0.01, 10},
        {ed_safewareDeadWeight, &m_static.SafeWareDeadWeight, 0.001, 10},
        {ed_ScaffoldBoardLayer, &m_static.ScaffoldBoardLayer, 1, 100},
        {cb_ScaffoldBoardType, &m_static.ScaffoldBoardType},
        {cb_BalusterType, &m_static.BalusterType},
        {ed_ConstructFloor, &m_other.ConstructFloor, 1, 100},
        {cb_isWind, &m_windLoadValid},
    };
    m_bindings.installChecks();
    {
        const QSignalBlocker purpose(CB_purpose);
        const QSignalBlocker board(cb_ScaffoldBoardType);
        const QSignalBlocker baluster(cb_BalusterType);
        m_bindings.fill();
    }
    // the frame's dead load follows the page's current step, spacing, rows and tube, never the stored value
    const SqlRows tube
        = dm1().OpenSql(QStringLiteral("select * from TraitOfPole where typeid = ?"), {m_frame.tubeType});
    const double d = tube.number(0, QStringLiteral("d"));
    ed_poleDeadWeight->setText(numberText(dm1().GetGk(m_frame.lineCount, m_frame.stepM, m_frame.spacingLaM, d)));
    fillWindLists();
    for (QWidget* group :
         {Panel1, static_cast<QWidget*>(gb_live), static_cast<QWidget*>(gb_wind), static_cast<QWidget*>(gb_static)}) {
        EditCheckOnControls(group, {});
    }
    // μs from the shape dialog is shown unrounded: room for its 15 significant digits beyond the typing limit
    Ed_us->setMaxLength(20);

    connect(CB_purpose, &QComboBox::currentIndexChanged, this, [this](int index) {
        lookUpInto(CB_purpose, ed_ConstructLoad, QStringLiteral("select Value from ConstructingloadSTD where Typeid=?"),
                   index);
    });
    connect(cb_ScaffoldBoardType, &QComboBox::currentIndexChanged, this, [this](int index) {
        lookUpInto(cb_ScaffoldBoardType, ed_BoardDeadWeight,
                   QStringLiteral("select Value from DeadWeightOfScaffoldBoard where Typeid=?"), index);
    });
    connect(cb_BalusterType, &QComboBox::currentIndexChanged, this, [this](int index) {
        lookUpInto(cb_BalusterType, ed_BalusterDeadWeight,
                   QStringLiteral("select Value from DeadWeightOfHandrail where Typeid=?"), index);
    });
    connect(CB_area, &QComboBox::currentIndexChanged, this, [this] {
        lookUpInto(CB_area, Ed_Wo, QStringLiteral("select Value from Wo where city=?"), CB_area->currentText());
    });
    connect(cb_Province, &QComboBox::currentIndexChanged, this, &Tfm_LoadPara::provinceChosen);
    connect(bt_uz, &QPushButton::clicked, this, &Tfm_LoadPara::editHeightFactor);
    connect(bt_us, &QPushButton::clicked, this, &Tfm_LoadPara::editShapeFactor);
    connect(bt_ok, &QPushButton::clicked, this, &Tfm_LoadPara::confirm);
    connect(bt_cancel, &QPushButton::clicked, this, &Tfm_LoadPara::reject);
}

void Tfm_LoadPara::fillWindLists()
{
    const QSignalBlocker provinces(cb_Province);
    const QSignalBlocker cities(CB_area);
    cb_Province->clear();
    cb_Province->addItems(dm1().FillProvinces().items);
    const bool noneChosen = m_wind.Province == -1;
    cb_Province->setCurrentIndex(noneChosen ? cb_Province->findText(kFirstProvince) : m_wind.Province);
    const Tdm1::CityFill fill = dm1().FillCities(cb_Province->currentText());
    CB_area->clear();
    CB_area->addItems(fill.items);
    CB_area->setCurrentIndex(fill.index);
    if (noneChosen) {
        if (fill.wo) {
            Ed_Wo->setText(numberText(*fill.wo));
        }
    } else {
        const int city = CB_area->findText(m_wind.District);
        if (city >= 0) {
            CB_area->setCurrentIndex(city);
        }
    }
    FitDropDownWidth(cb_Province);
    FitDropDownWidth(CB_area);
}

void Tfm_LoadPara::provinceChosen()
{
    const Tdm1::CityFill fill = dm1().FillCities(cb_Province->currentText());
    {
        const QSignalBlocker cities(CB_area);
        CB_area->clear();
        CB_area->addItems(fill.items);
        CB_area->setCurrentIndex(fill.index);
    }
    if (fill.wo) {
        Ed_Wo->setText(numberText(*fill.wo));
    }
    FitDropDownWidth(CB_area);
}

void Tfm_LoadPara::lookUpInto(QComboBox* list, QLineEdit* edit, const QString& sql, const QVariant& key)
{
    try {
        edit->setText(numberText(dm1().GetSqlValue(sql, {key})));
    } catch (const std::exception&) {
        ShowWarning(QStringLiteral("对不起，您输入的值有误，请重新输入！"));
        list->setFocus();
    }
}

bool Tfm_LoadPara::runSubDialog(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

void Tfm_LoadPara::editHeightFactor()
{
    Tfm_windHigh dialog(m_wind, m_frame.erectionHeightText, this);
    if (runSubDialog(dialog)) {
        takeHeightFactor(dialog.wind());
    }
}

void Tfm_LoadPara::editShapeFactor()
{
    Tfm_WindMod dialog(m_wind, this);
    if (runSubDialog(dialog)) {
        takeShapeFactor(dialog.wind());
    }
}

void Tfm_LoadPara::takeHeightFactor(const TWindload& fromDialog)
{
    m_wind.High = fromDialog.High;
    m_wind.Coarse = fromDialog.Coarse;
    Ed_uz->setText(roundedTo3(m_wind.CalUz()));
}

void Tfm_LoadPara::takeShapeFactor(const TWindload& fromDialog)
{
    m_wind.AN = fromDialog.AN;
    m_wind.Aw = fromDialog.Aw;
    m_wind.ScaffoldStatus = fromDialog.ScaffoldStatus;
    Ed_us->setText(numberText(m_wind.CalUs()));
}

bool Tfm_LoadPara::confirm()
{
    return confirmBound(*this, Panel1, m_bindings, [this] {
        m_wind.Province = cb_Province->findText(cb_Province->currentText());
        m_wind.District = CB_area->currentText();
    });
}

void Tfm_LoadPara::reject()
{
    rejectUnlessRefused(*this, Panel1);
}
