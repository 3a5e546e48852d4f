#pragma once

#include "core/TYsObj.h"

// 门架 (kind 16): door-frame (portal) scaffold.
class TDoorScaffold : public TYsObj
{
public:
    TDoorScaffold();
    ~TDoorScaffold() override;
    int KindCode() const override { return 16; }
};
