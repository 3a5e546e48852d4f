#pragma once
// Opened by the 地基参数 button of the parameter pages: Tfm_GroundWorkPara::edit(pageCopyOfGround, this).

#include "analysis/TGroundWorkPara.h"
#include "ui/DialogBindings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// 地基承载力系数设置: soil kind, bearing capacity, base area and reduction factor of a private copy of the
// foundation settings.
class Tfm_GroundWorkPara : public QDialog
{
    Q_OBJECT
public:
    // Modal; true when closed with 确认, `ground` then assigned from the edited copy; unchanged otherwise.
    static bool edit(TGroundWorkPara& ground, QWidget* parent = nullptr);

    explicit Tfm_GroundWorkPara(const TGroundWorkPara& ground, QWidget* parent = nullptr);

    // The 确认 step without exec(): refused (false, the bad entry focused) while an entry is rejected; otherwise
    // the controls go into the copy and the dialog is accepted.
    bool confirm();
    const TGroundWorkPara& ground() const { return m_ground; }

    QWidget* Panel1 = nullptr;
    QComboBox* cb_GroundType = nullptr;    // 地基土类型
    QLineEdit* ed_WeightBearSTD = nullptr; // 地基承载力标准值(kN/m²), 0.01 .. 9000
    QLineEdit* ed_BaseArea = nullptr;      // 基础底面扩展面积(m²), 0.01 .. 1
    QComboBox* cb_LowerType = nullptr;     // rows of the reduction-factor table
    QLineEdit* ed_LowerMod = nullptr;      // 基础降低系数, 0.01 .. 2
    QLabel* img_Ground = nullptr;          // the soil kind's table of bearing capacities
    QPushButton* bt_ok = nullptr;          // 确认
    QPushButton* bt_cancel = nullptr;

    void reject() override;

private:
    void showSoilPicture();
    void takeReductionFactor();

    TGroundWorkPara m_ground;
    DialogBindings m_bindings;
};
