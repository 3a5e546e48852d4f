#pragma once
// Called by MessageBoxMessages::askPassword when a protected project file is opened.

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The masked password prompt of a protected project file; the reader compares what was typed.
class TFm_FilePasswordCheck : public QDialog
{
    Q_OBJECT
public:
    explicit TFm_FilePasswordCheck(QWidget* parent = nullptr, const QString& title = QStringLiteral("请输入密码"),
                                   const QString& prompt = QStringLiteral("输入工程文件密码:"));

    // Modal; the typed text, or std::nullopt on 取消.
    static std::optional<QString> ask(const QString& title, const QString& prompt, QWidget* parent = nullptr);

    QString password() const;

    QLabel* label = nullptr;
    QLineEdit* ed_pw = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
};
