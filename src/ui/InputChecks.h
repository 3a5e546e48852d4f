#pragma once
// Used by the parameter pages, the parameter dialogs and the project window.

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

// The flag the checks set when an entry was rejected (one for the program: only the active window checks).
bool InputError();
void setInputError(bool error);

// Checks that `edit` holds a real number between `min` and `max`; otherwise warns, selects the text, gives the
// edit the focus, sets InputError and returns false.
bool CheckRealInput(QLineEdit* edit, double min, double max);
// The same for whole numbers.
bool CheckIntInput(QLineEdit* edit, int min, int max);

// The exit handler of a plain edit: run when the focus leaves it, on Enter (once EditCheckOnControls has run) and
// by CheckEditsOnClose. A TYsEdit uses its own (TYsEdit::setOnExit) after its range check.
void setExitHandler(QLineEdit* edit, std::function<void()> handler);
bool hasExitHandler(const QLineEdit* edit);
// Runs the exit handler of `edit` (for a TYsEdit its check on leaving, then its handler).
void runExitHandler(QLineEdit* edit);

// For every direct child of `container`: edits get the key filter (EditCheckProcedure), `markModified` on a change
// and the check on Enter (EditEnterChecking); combo boxes `markModified` on a change; option groups (unless
// `doorFrameSelected`), radio buttons and check boxes `markModified` when they receive the focus. Calling it again
// for the same container adds nothing twice.
void EditCheckOnControls(QWidget* container, const std::function<void()>& markModified, bool doorFrameSelected = false);

// The key filter of EditCheckOnControls: the edit's maximum length becomes 10 and only the digits, backspace and
// "." are accepted.
void EditCheckProcedure(QLineEdit* edit);
// Enter in `edit` runs its exit handler at once.
void EditEnterChecking(QLineEdit* edit);

// Runs the exit handler of every visible, enabled edit below `container` that has one; true as soon as one sets
// InputError (or a TYsEdit refuses its entry): the dialog then stays open.
bool CheckEditsOnClose(QWidget* container);

// Shows the picture file `file` in a window titled `caption`, replacing the one shown before; an empty file name
// warns "要显示的示意图的路径或者文件名错误！".
void ShowPicture(const QString& caption, const QString& file, QWidget* parent = nullptr);
// Closes the picture window ShowPicture opened, if it is still open (a page being hidden).
void ClosePicture();

// Sets the height of every edit below `control` (pixels).
void SetEditHeights(QWidget* control, int height);
