#pragma once
// Opened by Tfm_LoadPara (button 风荷载高度变化系数μz:) for one showing: terrain class and height for μz.

#include "analysis/TWindload.h"
#include "ui/DialogBindings.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// 风荷载高度变化计算: edits High and Coarse of a private copy of the wind settings.
class Tfm_windHigh : public QDialog
{
    Q_OBJECT
public:
    // `scaffoldHeightText` is the erection-height entry of the current page's scaffold frame, copied by the button
    // 提取脚手架搭设高度; a null text (a kind without that frame) makes the button do nothing.
    Tfm_windHigh(const TWindload& wind, const QString& scaffoldHeightText, QWidget* parent = nullptr);

    // The 确定 step without exec(): refused (false, the bad entry focused) while an entry is rejected; otherwise
    // the controls go into the copy and the dialog is accepted.
    bool confirm();
    // 提取脚手架搭设高度.
    void takeScaffoldHeight();
    // The copy; High and Coarse are the confirmed values after confirm().
    const TWindload& wind() const { return m_wind; }

    QGroupBox* GroupBox1 = nullptr;
    QComboBox* cb_coarse = nullptr; // 地基粗糙程度
    QLineEdit* ed_High = nullptr;   // 风荷载计算高度(m), 1 .. 100
    QPushButton* bt_takeHeight = nullptr;
    QPushButton* bt_ok = nullptr;
    QPushButton* bt_cancel = nullptr;

    void reject() override;

private:
    TWindload m_wind;
    QString m_scaffoldHeightText;
    DialogBindings m_bindings;
};
