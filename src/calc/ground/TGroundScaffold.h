#pragma once

#include "report/CalculationObject.h"

// 落地式脚手架 (kinds 2 and 9): the floor-standing fastener steel-tube scaffold.
class TGroundScaffold : public CalculationObject
{
public:
    TGroundScaffold();
    ~TGroundScaffold() override;
    int KindCode() const override { return 2; }
};
