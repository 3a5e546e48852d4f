#pragma once

#include "core/TYsObj.h"

// 梁高支撑 (kinds 7 and 14): high support under a beam.
class THighGirderScaffold : public TYsObj
{
public:
    THighGirderScaffold();
    ~THighGirderScaffold() override;
    int KindCode() const override { return 7; }
};
