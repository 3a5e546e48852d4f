#pragma once

#include <QtGlobal>

// The floor slab whose early strength the formwork support checks.
struct TFloorBoard
{
    qint32 ConcreteType = 2;   // TypeId of the concrete grade
    quint8 DaysOnPerFloor = 5; // construction days per storey
    double Height = 0.2;       // slab thickness (m)
    double Span = 0.45;        // slab length (m)
    double Width = 1.0;        // slab width (m)
    double SteelBarArea = 565; // reinforcement per metre of width (mm²)
    quint8 SteelBarType = 2;   // TypeId of the reinforcement grade
    double Temperature = 15;   // mean construction temperature (°C)

    void Assign(const TFloorBoard& source) { *this = source; }
    // Kept for the stored interface; no calculation calls it.
    double CalFloorBoard() const { return 0.000001; }
};
