#pragma once
// Called by the 提示 button of the floor-standing scaffold's frame page.

#include <QDialog>

class QLabel;

// Explains the two orders in which the horizontal tubes may be laid, with the picture of the chosen one.
class Tfm_hint : public QDialog
{
    Q_OBJECT
public:
    // `smallAbove`: the frame's 大小横杆布置 is 小横杆在上 (else 大横杆在上).
    explicit Tfm_hint(bool smallAbove, QWidget* parent = nullptr);

    // Modal.
    static void showHint(bool smallAbove, QWidget* parent = nullptr);

    // The picture's name below the pictures' folder.
    static QString pictureName(bool smallAbove);
    // False when the picture could not be read; the window is shown without it.
    bool hasPicture() const { return m_hasPicture; }

    QLabel* text1 = nullptr;
    QLabel* text2 = nullptr;
    QLabel* picture = nullptr;

private:
    bool m_hasPicture = false;
};
