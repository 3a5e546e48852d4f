// Calculation books are opened from anywhere: the RTF reader must load any bytes without crashing, and what it
// loaded must write and read back to the same file.
#include "report/RtfReader.h"
#include "report/RtfWriter.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    if (!readRtf(bytes, document)) {
        return 0;
    }
    const QByteArray written = writeRtf(document);
    QTextDocument again;
    if (!readRtf(written, again) || writeRtf(again) != written) {
        std::abort();
    }
    return 0;
}
