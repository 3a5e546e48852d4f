#pragma once

#include <QImage>
#include <QString>

// The report pictures beside the program (Bmp/<folder>/<name>.bmp, rendered from data/pictures at build time).
namespace PictureStore {

// The existing file a picture path names, matched without regard to letter case, folder by folder, with "\" or
// "/" as separators; empty when there is none.
QString resolve(const QString& path);

// The picture at `path` (resolved as above), kept in memory after the first load; a null image when it cannot
// be loaded.
QImage load(const QString& path);

} // namespace PictureStore
