#pragma once

#include <QStringList>

// Dead-load settings of a scaffold.
struct TStaticLoad
{
    double BalusterDeadWeight = 0.11;     // guard rail and toe board (kN/m)
    quint8 BalusterType = 0;              // index into balusterTypeNames()
    double DeadWeightPoleSTD = 0.15;      // frame dead load per metre of standing tube gk (kN/m)
    double SafeWareDeadWeight = 0.005;    // safety facilities and net (kN/m²)
    double ScaffoldBoardDeadWeight = 0.3; // scaffold boards (kN/m²)
    qint32 ScaffoldBoardLayer = 4;        // board layers laid
    quint8 ScaffoldBoardType = 0;         // index into scaffoldBoardTypeNames()
    double StandardValue = 200;           // persisted, read by no calculation

    void Assign(const TStaticLoad& source) { *this = source; }

    static QStringList balusterTypeNames()
    {
        return {QStringLiteral("栏杆冲压钢"), QStringLiteral("栏杆竹串片"), QStringLiteral("栏杆木"),
                QStringLiteral("栏杆竹笆片")};
    }
    static QStringList scaffoldBoardTypeNames()
    {
        return {QStringLiteral("冲压钢脚手板"), QStringLiteral("竹串片脚手板"), QStringLiteral("木脚手板"),
                QStringLiteral("竹笆片脚手板")};
    }
};
