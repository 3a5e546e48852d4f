#pragma once
// Opened by Tfm_LoadPara (button 风荷载体型系数μs:) for one showing: enclosure type and areas for μs.

#include "analysis/TWindload.h"
#include "ui/DialogBindings.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// 风荷载体型系数计算: edits ScaffoldStatus, AN and Aw of a private copy of the wind settings.
class Tfm_WindMod : public QDialog
{
    Q_OBJECT
public:
    explicit Tfm_WindMod(const TWindload& wind, QWidget* parent = nullptr);

    // The 确定 step without exec(): refused (false, the bad entry focused) while an entry is rejected; otherwise
    // the controls go into the copy and the dialog is accepted.
    bool confirm();
    // The copy; ScaffoldStatus, AN and Aw are the confirmed values after confirm().
    const TWindload& wind() const { return m_wind; }

    QWidget* Panel1 = nullptr;
    QGroupBox* rg_type = nullptr; // 脚手架类型, one option per enclosure type
    QButtonGroup* rg_typeButtons = nullptr;
    QLineEdit* ed_areaNoWind = nullptr; // 挡风面积, 0.1 .. 100
    QLineEdit* ed_areaWind = nullptr;   // 迎风面积, 0.1 .. 100
    QPushButton* bt_ok = nullptr;
    QPushButton* bt_cancel = nullptr;

    void reject() override;

private:
    TWindload m_wind;
    DialogBindings m_bindings;
};
