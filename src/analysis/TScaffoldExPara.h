#pragma once

#include "analysis/TScaffoldBasePara.h"

// The full scaffold geometry and configuration.
struct TScaffoldExPara : TScaffoldBasePara
{
    double DoublePoleHigh = 6.5;       // height of the part with double standing tubes (m)
    quint8 HPoleAgraffeLay = 1;        // 0 transverse bars on top, 1 longitudinal bars on top
    quint8 HPoleAgraffePoleCount = 2;  // bars lapped on the lower bars between two standing tubes
    double HPoleOuterLen = 0.3;        // overhang of the transverse bar; inner row's distance from the wall (m)
    double StandPoleOuterLen = 0.1;    // a: standing tube above the top bar to the support point (m)
    qint32 TubeCountASection = 4;      // persisted only
    quint8 TubeLayType = 0;            // persisted only
    quint8 WalllinkerAgraffeType = 0;  // wall tie to the wall: 0 fasteners, 1 welding, 2 bolts, 3 expansion bolts
    quint8 WalllinkerLay = 0;          // 0 two steps three spans, 1 three steps three spans, 2 two steps two spans
    qint32 BoardSupportFormType = 0;   // under the slab formwork: 0 timber battens, 1 steel tubes, 2 round timber
    double BoardSupportDistance = 300; // spacing of the steel tubes under the slab formwork (mm)

    // Copies every field, those of the base geometry included.
    void Assign(const TScaffoldExPara& source) { *this = source; }
};
