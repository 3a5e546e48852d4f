#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Bounds that keep a hostile or damaged file from exhausting the stack, the memory or the time of the reader.
namespace RtfLimits {

inline constexpr int kMaxGroupDepth = 256;                      // groups nested deeper are skipped
inline constexpr int kMaxGroups = 1'000'000;                    // reading stops after this many groups
inline constexpr int kMaxParagraphs = 1'000'000;                // reading stops after this many paragraphs
inline constexpr qsizetype kMaxPictureBytes = 32 * 1024 * 1024; // encoded data of one picture
inline constexpr qint64 kMaxPicturePixels = 25'000'000;         // one picture, width times height
inline constexpr qint64 kMaxDocumentPixels = 100'000'000;       // all pictures of a document
inline constexpr int kMaxPictureSide = 20'000;                  // one side of a picture, in pixels
inline constexpr int kMaxSkipCount = 16;                        // \uc fallback length

} // namespace RtfLimits

// Clears `document` and loads `bytes` into it: RTF as this program and word processors write it (text, faces,
// sizes, colours, bold, italic, underline, script position, protected text, alignment, pictures in PNG, JPEG
// and device-independent bitmaps), or plain text (UTF-8 when valid, else GBK) when the bytes do not start with
// "{\rtf". What can be read of a damaged file is loaded; false, with the user's message in `error`, only when
// nothing sensible can be.
bool readRtf(const QByteArray& bytes, QTextDocument& document, QString* error = nullptr);
