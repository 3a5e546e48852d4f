#pragma once

#include <QtGlobal>

// The layout of a project file (.yss). Integers are 32-bit little-endian; a short string is one length byte
// followed by that many GBK bytes.
//
//   0   1        header length (15)
//   1   15       header text "yss00.0000.0005": magic, then three numbers of which the third is the version
//   16  4        project list offset = 24 + 8n
//   20  4        n, the number of objects
//   24  4        type table offset = project list offset + size of the project list
//   28  4n       offset of each object's property list
//   ..           zero gap up to the project list offset (4(n-1) bytes for n >= 1)
//   project list, type table (n TypeIds), the n object lists back to back
//
// With n = 0 the project list starts at 24 and its entry count overwrites the type table offset, which no reader
// uses then. A property-list block is an entry count and that many (name, value) short-string pairs.
namespace ProjectFileFormat {

inline constexpr char kHeader[] = "yss00.0000.0005";
inline constexpr int kHeaderLength = 15;
inline constexpr char kMagic[] = "yss";
inline constexpr int kMagicLength = 3;
inline constexpr int kVersion = 5;

inline constexpr quint32 kPrjListPosOffset = 16;
inline constexpr quint32 kObjCountOffset = 20;
inline constexpr quint32 kTypeListPosOffset = 24;
inline constexpr quint32 kObjListPosOffset = 28;

inline constexpr int kMaxShortString = 255;

// Where the project list starts for n objects.
constexpr quint32 prjListPos(quint32 n)
{
    return 24 + 8 * n;
}

} // namespace ProjectFileFormat
