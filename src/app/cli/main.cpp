#include "Cli.h"

#include "calc/CalcKinds.h"
#include "refdata/Tdm1.h"
#include "report/ReportFonts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <unistd.h>

int main(int argc, char* argv[])
{
    // Headless: pictures, fonts and PDF pages need a GUI application object but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The platform wants a private runtime folder; without one it warns on every run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/yunshan-runtime-" + QByteArray::number(getuid());
        if (QDir().mkpath(QString::fromLocal8Bit(dir))) {
            QFile::setPermissions(QString::fromLocal8Bit(dir),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", dir);
        }
    }
    QGuiApplication app(argc, argv);
    registerCalculationKinds();
    // A missing reference database is reported on standard error; commands that need no lookup still run.
    DataModuleCreate();
    installReportFonts();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int status = runCli(args, out, err);
    out.flush();
    err.flush();
    return status;
}
