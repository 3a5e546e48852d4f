#pragma once
// Called by the main window's 关于.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// The about box: product name, the program's version and the maker's web address.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Modal, centred on the desktop.
    static void showAbout(QWidget* parent = nullptr);

    // The program's version, or "V1.1" when it carries none.
    static QString versionText();
    static const QString kHomePage;

    QLabel* picture = nullptr;
    QLabel* productName = nullptr;
    QLabel* version = nullptr;
    QLabel* homePage = nullptr;
    QPushButton* btnOk = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
