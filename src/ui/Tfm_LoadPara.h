#pragma once
// Opened by the 荷载参数 button of the scaffold pages:
// Tfm_LoadPara::edit(staticLoad, liveLoad, otherLoad, windLoad, windLoadValid, frameValues, this).

#include "analysis/TLiveLoad.h"
#include "analysis/TOtherLoad.h"
#include "analysis/TStaticLoad.h"
#include "analysis/TWindload.h"
#include "ui/DialogBindings.h"

#include <QDialog>
#include <QString>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

// What the load dialog reads from the scaffold frame of the page that opens it.
struct LoadDialogFrame
{
    int lineCount = 1;          // item index of rg_LineCount (0 single, 1 double rows of tubes)
    double stepM = 1.8;         // step h (ed_h, m)
    double spacingLaM = 1.5;    // longitudinal spacing la (ed_la, m)
    int tubeType = 0;           // item index of page 1's cb_TubeType (row of TraitOfPole)
    QString erectionHeightText; // text of the frame's ed_high, for 提取脚手架搭设高度 of the μz dialog
};

// 荷载参数设置: live, wind and dead loads of a scaffold, on private copies of its load components.
class Tfm_LoadPara : public QDialog
{
    Q_OBJECT
public:
    // Modal; true when closed with 确定, the components and the flag then assigned from the edited copies;
    // all of them unchanged otherwise.
    static bool edit(TStaticLoad& staticLoad, TLiveLoad& liveLoad, TOtherLoad& otherLoad, TWindload& windLoad,
                     bool& windLoadValid, const LoadDialogFrame& frame, QWidget* parent = nullptr);

    Tfm_LoadPara(const TStaticLoad& staticLoad, const TLiveLoad& liveLoad, const TOtherLoad& otherLoad,
                 const TWindload& windLoad, bool windLoadValid, const LoadDialogFrame& frame,
                 QWidget* parent = nullptr);

    // The 确定 step without exec(): refused (false, the bad entry focused) while an entry is rejected; otherwise
    // every control goes into the copies and the dialog is accepted.
    bool confirm();

    // The two sub-dialog buttons; each changes this dialog only when its sub-dialog is closed with 确定.
    void editHeightFactor();
    void editShapeFactor();
    // Taking a confirmed sub-dialog's values: μz rounded to 3 decimals, μs unrounded.
    void takeHeightFactor(const TWindload& fromDialog);
    void takeShapeFactor(const TWindload& fromDialog);

    const TStaticLoad& staticLoad() const { return m_static; }
    const TLiveLoad& liveLoad() const { return m_live; }
    const TOtherLoad& otherLoad() const { return m_other; }
    const TWindload& windLoad() const { return m_wind; }
    bool windLoadValid() const { return m_windLoadValid; }

    QWidget* Panel1 = nullptr;
    QGroupBox* gb_live = nullptr;   // " 活荷载参数 "
    QGroupBox* gb_wind = nullptr;   // " 风荷载参数 "
    QGroupBox* gb_static = nullptr; // " 静荷载参数 "

    QLineEdit* ed_ConstructLoad = nullptr; // 0.01 .. 100
    QComboBox* CB_purpose = nullptr;
    QComboBox* cb_Province = nullptr;
    QComboBox* CB_area = nullptr;
    QLineEdit* Ed_Wo = nullptr; // 0.01 .. 10
    QPushButton* bt_uz = nullptr;
    QLineEdit* Ed_uz = nullptr; // 0.01 .. 10
    QPushButton* bt_us = nullptr;
    QLineEdit* Ed_us = nullptr;                 // 0.1 .. 10
    QLineEdit* ed_poleDeadWeight = nullptr;     // computed from the frame, not editable
    QLineEdit* ed_BoardDeadWeight = nullptr;    // 0.01 .. 10
    QLineEdit* ed_BalusterDeadWeight = nullptr; // 0.01 .. 10
    QLineEdit* ed_safewareDeadWeight = nullptr; // 0.001 .. 10
    QLineEdit* ed_ScaffoldBoardLayer = nullptr; // whole number 1 .. 100
    QComboBox* cb_ScaffoldBoardType = nullptr;
    QComboBox* cb_BalusterType = nullptr;
    QLineEdit* ed_ConstructFloor = nullptr; // whole number 1 .. 100
    QCheckBox* cb_isWind = nullptr;
    QPushButton* bt_ok = nullptr;
    QPushButton* bt_cancel = nullptr;

    void reject() override;

protected:
    // Shows a sub-dialog modally; true on 确定 (a seam for the tests).
    virtual bool runSubDialog(QDialog& dialog);

private:
    void fillWindLists();
    void provinceChosen();
    void lookUpInto(QComboBox* list, QLineEdit* edit, const QString& sql, const QVariant& key);

    TStaticLoad m_static;
    TLiveLoad m_live;
    TOtherLoad m_other;
    TWindload m_wind;
    bool m_windLoadValid = false;
    LoadDialogFrame m_frame;
    DialogBindings m_bindings;
};
