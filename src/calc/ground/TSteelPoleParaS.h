#pragma once

// A 16-byte steel bar record of the wall scaffold; no calculation reads it.
struct TSteelPoleParaS
{
    double Length = 0;
    double Area = 0;
};
static_assert(sizeof(TSteelPoleParaS) == 16);
