#pragma once

#include <QStringList>

// The construction live load of a scaffold.
struct TLiveLoad
{
    double ConstructSTDValue = 3; // construction live load Qk (kN/m²)
    qint32 Purpose = 1;           // index into purposeNames()
    double StandardValue = 10;    // live-load standard value (kN); the door-frame calculation keeps its NQ here

    void Assign(const TLiveLoad& source) { *this = source; }

    static QStringList purposeNames()
    {
        return {QStringLiteral("装修脚手架"), QStringLiteral("结构脚手架"), QStringLiteral("其它用途")};
    }
};
