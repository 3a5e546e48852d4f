#include "Cli.h"

#include "calc/CalcKinds.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    registerCalculationKinds();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int status = runCli(args, out, err);
    out.flush();
    err.flush();
    return status;
}
