#pragma once

#include "report/CalculationObject.h"

// 悬挑卸料平台 (kind 17): cantilevered unloading platform.
class TRaisePlat : public CalculationObject
{
public:
    TRaisePlat();
    ~TRaisePlat() override;
    int KindCode() const override { return 17; }
};
