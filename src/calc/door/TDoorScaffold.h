#pragma once

#include "report/CalculationObject.h"

// 门架 (kind 16): door-frame (portal) scaffold.
class TDoorScaffold : public CalculationObject
{
public:
    TDoorScaffold();
    ~TDoorScaffold() override;
    int KindCode() const override { return 16; }
};
