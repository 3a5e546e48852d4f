#include "PictureStore.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

namespace {

QMutex g_mutex;

QHash<QString, QImage>& cache()
{
    static QHash<QString, QImage> images;
    return images;
}

// The entry of `dir` named `name` without regard to letter case; empty when none.
QString findEntry(const QString& dir, const QString& name)
{
    if (QFileInfo::exists(dir + QLatin1Char('/') + name)) {
        return name;
    }
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0) {
            return e;
        }
    }
    return {};
}

} // namespace

namespace PictureStore {

QString resolve(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(p).isFile()) {
        return p;
    }
    const bool absolute = p.startsWith(QLatin1Char('/'));
    QString dir = absolute ? QString() : QStringLiteral(".");
    for (const QString& part : p.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString entry = findEntry(dir.isEmpty() ? QStringLiteral("/") : dir, part);
        if (entry.isEmpty()) {
            return {};
        }
        dir += QLatin1Char('/') + entry;
    }
    if (!absolute) {
        dir = dir.mid(2);
    }
    return QFileInfo(dir).isFile() ? dir : QString();
}

QImage load(const QString& path)
{
    {
        QMutexLocker lock(&g_mutex);
        const auto it = cache().constFind(path);
        if (it != cache().constEnd()) {
            return *it;
        }
    }
    const QString file = resolve(path);
    QImage image;
    if (!file.isEmpty()) {
        image.load(file);
    }
    if (!image.isNull()) {
        QMutexLocker lock(&g_mutex);
        cache().insert(path, image);
    }
    return image;
}

} // namespace PictureStore
