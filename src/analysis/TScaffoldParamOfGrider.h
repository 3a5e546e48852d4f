#pragma once

#include <QString>

// Geometry of a high support under a beam.
struct TScaffoldParamOfGrider
{
    double a = 0.3;                    // standing tube above the top bar to the support point (m)
    double h = 1.2;                    // step (m)
    double High = 20;                  // erection height (m)
    double la = 1.2;                   // standing tubes on the two sides of the beam (m)
    double lb = 1.2;                   // standing tubes along the beam span (m)
    double LbOfShpole = 1.2;           // transverse tubes under the beam (m)
    quint8 LayTypeOfSupportFrame = 2;  // arrangement of the support, 0 to 10
    quint8 TubeType = 0;               // row of the tube table
    qint32 fastenerType = 0;           // 0 single, 1 double fastener
    double fasternerCoefficient = 0.8; // fastener capacity reduction
    QString GirderNum;                 // free description of the beam segment

    void Assign(const TScaffoldParamOfGrider& source) { *this = source; }
};
