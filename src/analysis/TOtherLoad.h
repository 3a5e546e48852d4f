#pragma once

#include <QtGlobal>

// Further load-related settings of a scaffold.
struct TOtherLoad
{
    qint32 ConstructFloor = 2;    // storeys worked on at the same time
    double WalllinkerHoriDis = 2; // horizontal distance between wall ties (m)
    double WalllinkerVertDis = 3; // vertical distance between wall ties (m)

    void Assign(const TOtherLoad& source) { *this = source; }
};
