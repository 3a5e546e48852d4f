#pragma once
// Called by the desktop program's start-up in standalone mode.

#include <QString>
#include <QWidget>

class QLabel;

// The borderless start-up window (420 × 260) with the program's version.
class Tfm_start : public QWidget
{
    Q_OBJECT
public:
    explicit Tfm_start(QWidget* parent = nullptr);

    // Shows the window at once (painted before returning) and closes and deletes it after `ms` milliseconds.
    void showFor(int ms);

    // "ver:" and the program's version, or "ver:1.1" when it carries none.
    static QString versionText();

    QLabel* version = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
