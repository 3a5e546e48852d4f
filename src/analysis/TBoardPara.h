#pragma once

// Five slab load values owned by the slab high support; neither persisted nor read by any calculation.
struct TBoardPara
{
    double HeightOfFloorBoard = 0.2;
    double DeadWeightOfFormWork = 0.35;
    double DeadWeightOfSteelAndConcrete = 25;
    double ConstructStd = 1;
    double ConcreteDumpSTD = 2;
};
