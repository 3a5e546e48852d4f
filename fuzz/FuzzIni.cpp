// update.ini and config.ini can be edited by hand: parsing and writing back must survive any bytes.
#include "core/IniFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IniFile ini;
    ini.parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const QString& section : ini.sections()) {
        for (const QString& key : ini.keys(section)) {
            ini.setValue(section, key, ini.value(section, key) + QStringLiteral("x"));
        }
    }
    ini.setValue(QStringLiteral("Ground information"), QStringLiteral("ExPara.h"), QStringLiteral("1.8"));
    IniFile again;
    again.parse(ini.serialize());
    return 0;
}
