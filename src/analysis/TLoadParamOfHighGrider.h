#pragma once

#include <QtGlobal>

// Loads of a high support under a beam.
struct TLoadParamOfHighGrider
{
    double b = 1.0;                            // beam section width B (m)
    double d = 1.0;                            // beam section depth D (m)
    double ConcreteDumpSTD = 2;                // dumping concrete (kN/m²)
    double ConstructStd = 1;                   // uniform construction load (kN/m²)
    double DeadWeightOfFormWorkAndWood = 0.35; // formwork and timber (kN/m²)
    double DeadWeightOfSteelAndConcrete = 25;  // reinforced concrete (kN/m³)
    qint32 NumberOfPole = 2;                   // load-bearing standing tubes added under the beam

    void Assign(const TLoadParamOfHighGrider& source) { *this = source; }
};
