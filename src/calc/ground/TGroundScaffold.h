#pragma once

#include "analysis/TGroundWorkPara.h"
#include "analysis/TLiveLoad.h"
#include "analysis/TOtherLoad.h"
#include "analysis/TScaffoldExPara.h"
#include "analysis/TStaticLoad.h"
#include "analysis/TWindload.h"
#include "calc/ground/ScaffoldSections.h"
#include "report/CalculationObject.h"

// 落地式脚手架 (kinds 2 and 9): the floor-standing fastener steel-tube scaffold.
class TGroundScaffold : public CalculationObject
{
public:
    TGroundScaffold();
    ~TGroundScaffold() override;
    int KindCode() const override { return 2; }
    const BindingTable<TYsObj>& Bindings() const override;
    // The whole calculation book: parameters, horizontal bars, fasteners, loads, stability, permissible height,
    // wall ties and foundation, then the conclusions.
    void WriteReport(ReportDocument& report) override;
    // The calculation context of a report being written into `report`.
    ScaffoldContext context(ReportDocument& report);

    TScaffoldExPara ExPara;
    TGroundWorkPara Groundwork;
    TLiveLoad LiveLoad;
    TOtherLoad OtherLoad;
    TStaticLoad StaticLoad;
    TWindload WindLoad;
    bool WindLoadValid = false; // whether wind is taken into account

    ScaffoldWork Work; // working records of the last report
};
