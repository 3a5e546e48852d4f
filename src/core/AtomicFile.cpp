#include "AtomicFile.h"

#include <QSaveFile>

bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // commit() alone does not notice a short write (a full disk, a size limit): the buffer is flushed and the
    // written size checked before the old file is replaced.
    const bool complete = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.size() == bytes.size();
    if (!complete) {
        if (error) {
            *error = file.errorString();
        }
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}
