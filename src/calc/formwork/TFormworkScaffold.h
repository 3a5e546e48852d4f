#pragma once

#include "core/TYsObj.h"

// 模板支架 (kinds 5 and 12): formwork support frame under a slab.
class TFormworkScaffold : public TYsObj
{
public:
    TFormworkScaffold();
    ~TFormworkScaffold() override;
    int KindCode() const override { return 5; }
};
