#pragma once

// Timber members under the formwork. I and W are derived from the section by the calculation that uses them.
struct TWood
{
    double E = 9500;               // elastic modulus (N/mm²)
    double f = 13;                 // design bending strength (N/mm²)
    double T = 1.3;                // design shear strength (N/mm²)
    double IntervalDistance = 300; // spacing of the members (mm)
    double SectionHeight = 80;     // batten section height (mm)
    double SectionWidth = 50;      // batten section width (mm)
    double Diameter = 200;         // round timber, small end (mm)
    double I = 0;                  // moment of inertia (cm⁴), derived
    double W = 0;                  // section modulus (cm³), derived

    // Copies the persisted values, not I and W.
    void Assign(const TWood& source)
    {
        E = source.E;
        f = source.f;
        T = source.T;
        IntervalDistance = source.IntervalDistance;
        SectionHeight = source.SectionHeight;
        SectionWidth = source.SectionWidth;
        Diameter = source.Diameter;
    }
};
