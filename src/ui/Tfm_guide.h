#pragma once
// Called by the project window's 添加脚手架.

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The new-object guide: the kind of calculation object to add and its name.
class Tfm_guide : public QDialog
{
    Q_OBJECT
public:
    struct Choice
    {
        int typeId;
        QString name;
    };

    // Fills the kinds from the reference table jsjtype.
    explicit Tfm_guide(QWidget* parent = nullptr);

    // Modal; the chosen kind and name, or std::nullopt on 取消 (nothing is to be created).
    static std::optional<Choice> choose(QWidget* parent = nullptr);

    // The 确定 step without exec(): false after a warning when no kind is offered or the name is empty.
    bool confirm();
    // The option in position `index` becomes the selected one, its text copied into the name edit.
    void selectKind(int index);
    std::optional<Choice> choice() const { return m_choice; }
    int kindCount() const { return static_cast<int>(m_kinds.size()); }

    QGroupBox* rgp1 = nullptr;
    QButtonGroup* options = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    struct Kind
    {
        QString bname;
        int type;
    };
    std::vector<Kind> m_kinds;
    std::optional<Choice> m_choice;
};
