#pragma once

#include "report/CalculationObject.h"

// 梁高支撑 (kinds 7 and 14): high support under a beam.
class THighGirderScaffold : public CalculationObject
{
public:
    THighGirderScaffold();
    ~THighGirderScaffold() override;
    int KindCode() const override { return 7; }
};
