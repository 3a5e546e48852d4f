#pragma once

#include "calc/cantilever/TRaiseScaffold.h"

// 普通悬挑架 (kinds 3 and 10): a cantilever beam under every pair of standing tubes.
class TRaiseScaffoldA : public TRaiseScaffold
{
public:
    TRaiseScaffoldA();
    ~TRaiseScaffoldA() override;
    int KindCode() const override { return 3; }
};
