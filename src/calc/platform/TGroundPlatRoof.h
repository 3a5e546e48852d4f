#pragma once

#include "report/CalculationObject.h"

// 落地平台 (kinds 8 and 15): floor-standing operating platform.
class TGroundPlatRoof : public CalculationObject
{
public:
    TGroundPlatRoof();
    ~TGroundPlatRoof() override;
    int KindCode() const override { return 8; }
};
