#pragma once
// Called by the main window (工程属性) and the project window (double-click on the root, a project without name).

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TYsProject;

// The project attribute dialog: the site's attributes, the description and the password (typed twice).
class TFm_PrjAttr : public QDialog
{
    Q_OBJECT
public:
    // Fills every control from `project`; the project is changed only by a confirmed 确定.
    TFm_PrjAttr(TYsProject& project, QWidget* parent = nullptr);

    // Modal; true when closed with 确定, the fields then copied into the project and the project marked modified.
    bool execute();

    // The 确定 step without exec(): checks every field, and only when all are good copies them into the project
    // and accepts the dialog. False (nothing copied) after a warning, the bad field focused.
    bool confirm();
    // The 保存密码 step: both entries equal (blanks at both ends removed) become the pending password.
    void savePassword();

    // The description in its stored form: each line followed by a CR.
    QString descriptionText() const;
    const QString& pendingPassword() const { return m_password; }

    // The longest description the project file keeps, in GBK bytes.
    static constexpr int kMaxDescriptionBytes = 255;

    QLineEdit* ed1 = nullptr; // 工程名称
    QLineEdit* ed2 = nullptr; // 工程负责人
    QLineEdit* ed3 = nullptr; // 技术负责人
    QDateEdit* dt1 = nullptr;
    QComboBox* cbb_StructureType1 = nullptr;
    QLineEdit* edt_BuildHigh1 = nullptr;
    QLineEdit* edt_StructureArea1 = nullptr;
    QLineEdit* edt_Floor_High1 = nullptr;
    QLineEdit* edt_TimeOfProject1 = nullptr;
    QLineEdit* edt_ConsructionUnit1 = nullptr;
    QCheckBox* chk1 = nullptr;
    QPlainTextEdit* mmo1 = nullptr;
    QLineEdit* Edit1 = nullptr; // 新密码
    QLineEdit* Edit2 = nullptr; // 确认新密码
    QPushButton* bt_Password = nullptr;
    QPushButton* btn1 = nullptr; // 确定
    QPushButton* btn2 = nullptr; // 取消

private:
    void fillFromProject();
    void limitDescription();

    TYsProject& m_project;
    QString m_password;
    QString m_lastGoodDescription;
};
