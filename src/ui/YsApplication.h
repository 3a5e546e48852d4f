#pragma once

#include <QApplication>
#include <functional>

// The desktop program's application: an exception that escapes an event handler is reported to the user with
// the general message instead of ending the program.
class YsApplication : public QApplication
{
    Q_OBJECT
public:
    YsApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    static const QString kGeneralError;
    // Runs `handler`; an exception from it shows kGeneralError and gives `failed`.
    static bool guarded(const std::function<bool()>& handler, bool failed = false);
};
