#pragma once
// Installed by the desktop program's start-up (Messages::install) for the whole run.

#include "core/Messages.h"

// The desktop program's answers: modal message boxes on the active window, the password through the project-file
// password prompt.
class MessageBoxMessages : public Messages
{
public:
    void showWarning(const QString& text) override;
    void showInformation(const QString& title, const QString& text) override;
    Answer askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<QString> askPassword(const QString& title, const QString& prompt) override;
};
