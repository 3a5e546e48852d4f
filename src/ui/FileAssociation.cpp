#include "FileAssociation.h"

#include <QDir>
#include <QSettings>

QString projectOpenCommand(const QString& programPath)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(programPath) + QStringLiteral("\" \"%1\"");
}

void registerProjectFileType(const QString& programPath)
{
#ifdef Q_OS_WIN
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    classes.setValue(QStringLiteral(".yss/."), QStringLiteral("slyssc"));
    classes.setValue(QStringLiteral(".yss/Content Type"), QStringLiteral("slysscFile"));
    classes.setValue(QStringLiteral("slyssc/."), QStringLiteral("云杉脚手架智能计算工程文件"));
    classes.setValue(QStringLiteral("slyssc/shell/open/command/."), projectOpenCommand(programPath));
    classes.setValue(QStringLiteral("slyssc/DefaultIcon/."),
                     QDir::toNativeSeparators(programPath) + QStringLiteral(",1"));
#else
    Q_UNUSED(programPath);
#endif
}
