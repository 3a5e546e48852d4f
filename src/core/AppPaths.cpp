#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString g_homeOverride;

QString findExecutableDir()
{
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists()) {
        return QFileInfo(self.symLinkTarget()).absolutePath();
    }
    return {};
}

// The executable never moves while it runs; asking the system costs a file-system call each time.
QString executableDir()
{
    static const QString dir = findExecutableDir();
    return dir;
}

// An installed program lives in <prefix>/bin with its data in <prefix>/share/yunshan.
QString installedDataDir(const QString& exeDir)
{
    if (exeDir.isEmpty() || QFileInfo(exeDir).fileName() != QLatin1String("bin")) {
        return {};
    }
    const QString share = QDir::cleanPath(exeDir + QStringLiteral("/../share/yunshan"));
    return QFileInfo(share + QStringLiteral("/db")).isDir() ? share : QString();
}

QString fromEnvironment(const char* name)
{
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? QString() : QDir::cleanPath(QDir(v).absolutePath());
}

} // namespace

namespace AppPaths {

QString dataDir()
{
    if (QString env = fromEnvironment("YUNSHAN_DATA"); !env.isEmpty()) {
        return env;
    }
    const QString exe = executableDir();
    if (QString installed = installedDataDir(exe); !installed.isEmpty()) {
        return installed;
    }
    return exe;
}

QString homeDir()
{
    if (!g_homeOverride.isEmpty()) {
        return g_homeOverride;
    }
    if (QString env = fromEnvironment("YUNSHAN_HOME"); !env.isEmpty()) {
        return env;
    }
    const QString exe = executableDir();
    if (!installedDataDir(exe).isEmpty()) {
        return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    }
    return exe;
}

void setHomeOverride(const QString& dir)
{
    g_homeOverride = dir.isEmpty() ? QString() : QDir::cleanPath(QDir(dir).absolutePath());
}

QString updateIniPath()
{
    return homeDir() + QStringLiteral("/update.ini");
}

QString configIniPath()
{
    return homeDir() + QStringLiteral("/config.ini");
}

QString projectsDir()
{
    return homeDir() + QStringLiteral("/我的工程");
}

QString picPath()
{
    const QString data = dataDir();
    return data.isEmpty() ? QString() : data + QStringLiteral("/Bmp/");
}

} // namespace AppPaths
