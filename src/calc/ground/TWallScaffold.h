#pragma once

#include "calc/ground/TSteelPoleParaS.h"
#include "report/CalculationObject.h"

// Kind 18: a wall scaffold that projects can hold. It keeps plain fields only: nothing of it is persisted beyond
// the base keys, it has no defaults, no page and no calculation.
class TWallScaffold : public CalculationObject
{
public:
    TWallScaffold();
    ~TWallScaffold() override;
    int KindCode() const override { return 18; }

    qint32 Aarea = 0;
    qint32 AresistForPull = 0;
    qint32 AresistForScissor = 0;
    qint32 Barea = 0;
    double BresistForce = 0;
    qint32 H = 0;
    qint32 L1 = 0;
    qint32 L2 = 0;
    double LoadOfOperators = 0;
    double LoadOfTools = 0;
    double LoadOfWallScaffold = 0;
    TSteelPoleParaS N1, N2, N3, N4, N5, N6, N7;
    qint32 ThicknessOfWeldingLine = 0;
};
