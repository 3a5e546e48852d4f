#include "calc/CalcKinds.h"
#include "refdata/Tdm1.h"
#include "report/ReportFonts.h"
#include "ui/FileAssociation.h"
#include "ui/MessageBoxMessages.h"
#include "ui/Tfm_main.h"
#include "ui/Tfm_start.h"
#include "ui/YsApplication.h"

#include <QTimer>

// The desktop program: run mode, splash, main window, reference data, event loop. With YUNSHAN_QUIT_WHEN_READY
// set it quits once the main window has been activated the first time (to time the start-up).
int main(int argc, char* argv[])
{
    YsApplication app(argc, argv);
    const Tfm_main::RunMode mode = Tfm_main::runModeFrom(QStringLiteral("setm.dll"));
    QApplication::setApplicationName(Tfm_main::applicationTitle(mode));
    const bool timing = qEnvironmentVariableIsSet("YUNSHAN_QUIT_WHEN_READY");
    if (mode == Tfm_main::RunMode::Standalone) {
        (new Tfm_start)->showFor(1000);
    }
    registerCalculationKinds();
    installReportFonts();
    MessageBoxMessages messages;
    MessagesGuard guard(messages);

    Tfm_main window(mode);
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        window.setCommandLineFile(args.at(1));
    }
    if (timing) {
        QObject::connect(&window, &Tfm_main::firstActivationDone, &app, &QApplication::quit, Qt::QueuedConnection);
    }
    registerProjectFileType(QApplication::applicationFilePath());
    window.show();
    // opened once, after the main window; a failure is reported and the program runs on
    DataModuleCreate();
    return QApplication::exec();
}
