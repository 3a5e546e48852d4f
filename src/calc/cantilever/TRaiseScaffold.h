#pragma once

#include "report/CalculationObject.h"

// Common base of the cantilever scaffolds on steel beams.
class TRaiseScaffold : public CalculationObject
{
public:
    TRaiseScaffold();
    ~TRaiseScaffold() override;
};
