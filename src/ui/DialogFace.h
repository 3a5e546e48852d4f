#pragma once
// Used by the small dialogs.

#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QWidget;

// The small dialogs' face: 宋体 at 9 pt (12 pixels).
void applyDialogFont(QWidget* dialog);

// The row of a dialog's closing buttons, set to the right in the order given.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

// A dialog laid out as one panel of controls above its 确定/取消 row.
void layOutPanelAndButtons(QWidget* dialog, QWidget* panel, QPushButton* ok, QPushButton* cancel);
