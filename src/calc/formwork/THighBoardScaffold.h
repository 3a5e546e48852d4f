#pragma once

#include "report/CalculationObject.h"

// 板高支撑 (kinds 6 and 13): high support under a slab.
class THighBoardScaffold : public CalculationObject
{
public:
    THighBoardScaffold();
    ~THighBoardScaffold() override;
    int KindCode() const override { return 6; }
};
