#pragma once

#include "core/TYsObj.h"

// 板高支撑 (kinds 6 and 13): high support under a slab.
class THighBoardScaffold : public TYsObj
{
public:
    THighBoardScaffold();
    ~THighBoardScaffold() override;
    int KindCode() const override { return 6; }
};
