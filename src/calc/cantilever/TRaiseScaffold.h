#pragma once

#include "core/TYsObj.h"

// Common base of the cantilever scaffolds on steel beams.
class TRaiseScaffold : public TYsObj
{
public:
    TRaiseScaffold();
    ~TRaiseScaffold() override;
};
