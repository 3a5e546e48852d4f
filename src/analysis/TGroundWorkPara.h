#pragma once

#include <QStringList>

// The foundation under the standing tubes; fg and p are working values of the foundation check.
struct TGroundWorkPara
{
    double A = 0.25;       // bottom area of the tube base (m²)
    double fgk = 170;      // characteristic bearing capacity of the ground (kN/m²)
    quint8 GroundType = 0; // soil kind, see groundTypeNames()
    double Kc = 0.4;       // reduction factor of the bearing capacity
    quint8 LowerType = 0;  // row of the reduction-factor table Kc was taken from
    double N = 18.8;       // axial design force on the base (kN); each foundation check writes the one it checks

    double fg = 0; // design bearing capacity fgk × Kc (kN/m²), working value
    double p = 0;  // mean pressure N / A (kN/m²), working value

    // Copies the persisted values, not fg and p.
    void Assign(const TGroundWorkPara& source)
    {
        A = source.A;
        fgk = source.fgk;
        GroundType = source.GroundType;
        Kc = source.Kc;
        LowerType = source.LowerType;
        N = source.N;
    }

    static QStringList groundTypeNames()
    {
        return {QStringLiteral("岩石"),   QStringLiteral("碎石土"), QStringLiteral("砂土"),   QStringLiteral("粉土"),
                QStringLiteral("素填土"), QStringLiteral("粘性土"), QStringLiteral("红粘土"), QStringLiteral("淤泥土")};
    }
};
