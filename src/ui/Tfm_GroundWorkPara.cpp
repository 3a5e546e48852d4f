#include "Tfm_GroundWorkPara.h"

#include "DialogFace.h"
#include "InputChecks.h"
#include "core/AppPaths.h"
#include "refdata/Tdm1.h"
#include "report/PictureStore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <array>

namespace {

// The bearing-capacity table of each soil kind, in the order of TGroundWorkPara::groundTypeNames().
constexpr std::array<const char*, 8> kSoilPictures = {
    "岩石承载力标准值.bmp",   "碎石土承载力标准值.bmp", "砂土承载力标准值.bmp",   "粉土承载力基本值.bmp",
    "素填土承载力标准值.bmp", "粘性土承载力标准值.bmp", "红粘土承载力基本值.bmp", "淤泥土承载力基本值.bmp",
};

QString soilPicture(int kind)
{
    return AppPaths::picPath() + QStringLiteral("GroundBase/") + QString::fromUtf8(kSoilPictures.at(kind));
}

} // namespace

bool Tfm_GroundWorkPara::edit(TGroundWorkPara& ground, QWidget* parent)
{
    Tfm_GroundWorkPara dialog(ground, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    ground.Assign(dialog.ground());
    return true;
}

Tfm_GroundWorkPara::Tfm_GroundWorkPara(const TGroundWorkPara& ground, QWidget* parent)
    : QDialog(parent)
{
    m_ground.Assign(ground);
    setWindowTitle(QStringLiteral("地基承载力系数设置"));
    applyDialogFont(this);

    Panel1 = new QWidget(this);
    cb_GroundType = new QComboBox(Panel1);
    cb_GroundType->addItems(TGroundWorkPara::groundTypeNames());
    ed_WeightBearSTD = new QLineEdit(Panel1);
    ed_BaseArea = new QLineEdit(Panel1);
    cb_LowerType = new QComboBox(Panel1);
    const SqlRows rows = dm1().OpenSql(QStringLiteral("select * from GroundDownRate order by typeid"));
    for (int i = 0; i < rows.count(); ++i) {
        cb_LowerType->addItem(rows.text(i, QStringLiteral("TypeName")));
    }
    ed_LowerMod = new QLineEdit(Panel1);
    img_Ground = new QLabel(Panel1);
    img_Ground->setAlignment(Qt::AlignCenter);
    // the box holds the largest table, so the dialog keeps its size while the soil kind changes
    QSize tables(360, 200);
    for (int kind = 0; kind < static_cast<int>(kSoilPictures.size()); ++kind) {
        tables = tables.expandedTo(PictureStore::load(soilPicture(kind)).size());
    }
    img_Ground->setMinimumSize(tables);
    img_Ground->setFrameShape(QFrame::StyledPanel);
    img_Ground->setStyleSheet(QStringLiteral("background: white"));
    bt_ok = new QPushButton(QStringLiteral("确认"), this);
    bt_cancel = new QPushButton(QStringLiteral("取消"), this);
    keepEnterForChecks(this);

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("地基土类型"), Panel1), 0, 0);
    grid->addWidget(cb_GroundType, 0, 1);
    grid->addWidget(img_Ground, 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("地基承载力标准值(kN/m²)"), Panel1), 2, 0);
    grid->addWidget(ed_WeightBearSTD, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("基础底面扩展面积(m²)"), Panel1), 3, 0);
    grid->addWidget(ed_BaseArea, 3, 1);
    auto* factor = new QHBoxLayout;
    factor->addWidget(new QLabel(QStringLiteral("基础降低系数"), Panel1));
    factor->addWidget(ed_LowerMod, 1);
    grid->addWidget(cb_LowerType, 4, 0);
    grid->addLayout(factor, 4, 1);
    grid->setColumnStretch(1, 1);

    layOutPanelAndButtons(this, Panel1, bt_ok, bt_cancel);

    m_bindings = {
        {cb_GroundType, &m_ground.GroundType}, {ed_WeightBearSTD, &m_ground.fgk, 0.01, 9000},
        {ed_BaseArea, &m_ground.A, 0.01, 1},   {cb_LowerType, &m_ground.LowerType},
        {ed_LowerMod, &m_ground.Kc, 0.01, 2},
    };
    m_bindings.installChecks();
    {
        const QSignalBlocker soil(cb_GroundType);
        const QSignalBlocker lower(cb_LowerType);
        m_bindings.fill();
    }
    showSoilPicture();
    EditCheckOnControls(Panel1, {});

    connect(cb_GroundType, &QComboBox::currentIndexChanged, this, [this] {
        showSoilPicture();
        ed_WeightBearSTD->setFocus();
    });
    connect(cb_LowerType, &QComboBox::currentIndexChanged, this, &Tfm_GroundWorkPara::takeReductionFactor);
    connect(bt_ok, &QPushButton::clicked, this, &Tfm_GroundWorkPara::confirm);
    connect(bt_cancel, &QPushButton::clicked, this, &Tfm_GroundWorkPara::reject);
}

void Tfm_GroundWorkPara::showSoilPicture()
{
    const int index = cb_GroundType->currentIndex();
    if (index < 0 || index >= static_cast<int>(kSoilPictures.size())) {
        img_Ground->clear();
        return;
    }
    const QImage image = PictureStore::load(soilPicture(index));
    if (image.isNull()) {
        // the tables are pictures beside the program; without one the box names the table
        img_Ground->setText(QString::fromUtf8(kSoilPictures.at(index)).chopped(4));
    } else {
        img_Ground->setPixmap(QPixmap::fromImage(image));
    }
}

void Tfm_GroundWorkPara::takeReductionFactor()
{
    const double kc = dm1().GetSqlValue(QStringLiteral("select Value from GroundDownRate where TypeId=?"),
                                        {cb_LowerType->currentIndex()});
    ed_LowerMod->setText(numberText(kc));
}

bool Tfm_GroundWorkPara::confirm()
{
    return confirmBound(*this, Panel1, m_bindings);
}

void Tfm_GroundWorkPara::reject()
{
    rejectUnlessRefused(*this, Panel1);
}
