#include "YsApplication.h"

#include "core/Messages.h"

#include <QGuiApplication>

const QString YsApplication::kGeneralError = QStringLiteral("软件发生异常，请与软件供应商联系！");

YsApplication::YsApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{ }

bool YsApplication::guarded(const std::function<bool()>& handler, bool failed)
{
    try {
        return handler();
    } catch (...) {
        // a handler that threw may have left the hourglass up
        while (QGuiApplication::overrideCursor()) {
            QGuiApplication::restoreOverrideCursor();
        }
        try {
            ShowWarning(kGeneralError);
        } catch (...) {
            // nothing more can be told
        }
        return failed;
    }
}

bool YsApplication::notify(QObject* receiver, QEvent* event)
{
    return guarded([&] { return QApplication::notify(receiver, event); });
}
