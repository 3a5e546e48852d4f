#pragma once

#include <QtGlobal>

// Scaffold geometry shared by the floor-standing, cantilever, formwork-support and slab high-support kinds.
struct TScaffoldBasePara
{
    double h = 1.2;                    // step: vertical distance between horizontal bars (m)
    double high = 20;                  // erection height (m)
    double La = 1.2;                   // longitudinal spacing of the standing tubes 纵距 (m)
    double Lb = 1.2;                   // transverse spacing or row spacing 横距 (m)
    quint8 LineCount = 1;              // rows: 0 single, 1 double
    quint8 TubeType = 0;               // row (TypeId) of the tube table
    qint32 fastenerType = 0;           // at the horizontal bars: 0 single, 1 double fastener
    qint32 WallLinkerType = 0;         // at the wall tie: 0 single, 1 double fastener
    double fasternerCoefficient = 0.8; // reduction of the fastener's anti-slip capacity
};
