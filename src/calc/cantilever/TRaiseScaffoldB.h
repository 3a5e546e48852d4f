#pragma once

#include "calc/cantilever/TRaiseScaffold.h"

// 联梁悬挑架 (kinds 4 and 11): standing tubes on a link beam between cantilever beams.
class TRaiseScaffoldB : public TRaiseScaffold
{
public:
    TRaiseScaffoldB();
    ~TRaiseScaffoldB() override;
    int KindCode() const override { return 4; }
};
