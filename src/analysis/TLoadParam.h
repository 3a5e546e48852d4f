#pragma once

// Loads of slab formwork.
struct TLoadParam
{
    double ConcreteDumpSTD = 2;               // dumping concrete (kN/m²)
    double ConstructStd = 1;                  // uniform construction load (kN/m²)
    double DeadWeightOfFormWork = 0.35;       // formwork and boards (kN/m²)
    double DeadWeightOfSteelAndConcrete = 25; // reinforced concrete (kN/m³)
    double HeightOfFloorBoard = 0.2;          // slab being poured (m)

    void Assign(const TLoadParam& source) { *this = source; }
};
