#pragma once

// Section of one steel tube as the tube table gives it; GetPoleTrait fills it. The calculations derive their own
// records from it and add their working values (E, f, gk, mu, l0, phi, N, sigma).
struct TPoleTrait
{
    double d = 0;             // outer diameter, mm
    double t = 0;             // wall thickness, mm
    double A = 0;             // cross-section area, cm2
    double I = 0;             // moment of inertia, cm4
    double W = 0;             // section modulus, cm3
    double iOfPole = 0;       // radius of gyration, cm
    double DeadWeightSTD = 0; // dead weight of the tube, kN/m
};
