#pragma once

#include "report/CalculationObject.h"

// 模板支架 (kinds 5 and 12): formwork support frame under a slab.
class TFormworkScaffold : public CalculationObject
{
public:
    TFormworkScaffold();
    ~TFormworkScaffold() override;
    int KindCode() const override { return 5; }
};
