#pragma once

#include "analysis/TGroundWorkPara.h"
#include "report/CalculationObject.h"

// Kind 19: a well (shaft) scaffold that projects can hold. It keeps plain fields only: nothing of it is persisted
// beyond the base keys, it has no defaults, no page and no calculation beyond the common header of its book.
class TWellScaffold : public CalculationObject
{
public:
    TWellScaffold();
    ~TWellScaffold() override;
    int KindCode() const override { return 19; }

    qint32 Eccentricity = 0;
    TGroundWorkPara GroundWorkPara;
    bool HaveHelpFrame = false;
    double Height = 0;
    qint32 LiveLoadSTD = 0;
    double StandPoleVertSpace = 0;
    qint32 StaticLoadSTD = 0;
    QString SteelTubeT;
    double Step = 0;
    QString WellFrame;
    QString WellFrameT;
    double WindLoad = 0;
    bool WindLoadNeeded = false;
};
