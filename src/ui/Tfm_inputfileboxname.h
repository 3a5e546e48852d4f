#pragma once
// Called by the project window's 添加文件夹.

#include <QDialog>
#include <QString>
#include <optional>

class QLineEdit;
class QPushButton;

// Asks for the name of a new folder; an empty name is refused.
class Tfm_inputfileboxname : public QDialog
{
    Q_OBJECT
public:
    explicit Tfm_inputfileboxname(QWidget* parent = nullptr);

    // Modal; the typed name, or std::nullopt on 取消.
    static std::optional<QString> askName(const QString& initial, QWidget* parent = nullptr);

    // The 确定 step without exec(): false after "请输入文件夹名称!" when the edit is empty.
    bool confirm();
    QString name() const;

    QLineEdit* Edit1 = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
};
