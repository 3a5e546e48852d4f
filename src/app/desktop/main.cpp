#include "calc/CalcKinds.h"
#include "refdata/Tdm1.h"

#include <QApplication>
#include <QMainWindow>

// The desktop program. Its windows grow in src/ui; until then it opens an empty main window.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    registerCalculationKinds();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("云杉脚手架智能计算软件"));
    window.resize(1024, 700);
    window.show();
    // The reference database is opened once, after the main window; a failure is reported and the program runs on.
    DataModuleCreate();
    return QApplication::exec();
}
