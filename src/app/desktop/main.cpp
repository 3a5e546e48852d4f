#include "calc/CalcKinds.h"

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
    return QApplication::exec();
}
