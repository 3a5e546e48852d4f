#pragma once

#include <QString>
#include <functional>
#include <optional>

class QUrl;
class QWidget;
class TYsProject;
class Tfm_outputfile;

// The modal dialogs the main and project windows open, as one replaceable set: the program uses the real
// dialogs, the window tests answer them without a modal loop.
struct ShellDialogs
{
    struct NewObject
    {
        int typeId;
        QString name;
    };

    // The attribute dialog; true when confirmed (the dialog has then copied its fields into the project).
    std::function<bool(TYsProject&, QWidget*)> editAttributes;
    // The folder-name dialog, its field empty; std::nullopt on 取消.
    std::function<std::optional<QString>(QWidget*)> askFolderName;
    // The new-object guide; std::nullopt on 取消.
    std::function<std::optional<NewObject>(QWidget*)> chooseNewObject;
    // The project open dialog: a path, or an empty text when cancelled.
    std::function<QString(QWidget*, const QString& dir, const QString& filter)> chooseOpenFile;
    // The save-as dialog titled "保存为"; it never asks about overwriting (the caller does).
    std::function<QString(QWidget*, const QString& dir, const QString& filter)> chooseSaveFile;
    // Shows the report window modally.
    std::function<void(Tfm_outputfile&)> showReport;
    std::function<void(QWidget*)> showAbout;
    // Hands a file or web address to the system.
    std::function<void(const QUrl&)> openUrl;
};

// The set in use; starts as the real dialogs.
ShellDialogs& shellDialogs();
// Puts the real dialogs back.
void resetShellDialogs();
