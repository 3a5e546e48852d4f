#pragma once

#include <QString>
#include <QStringList>

// The wind on a scaffold: persisted settings, then the working values a report fills for its later sections.
class TWindload
{
public:
    double AN = 12.25;         // area that blocks the wind (m²)
    double Aw = 12.25;         // windward area (m²)
    quint8 Coarse = 2;         // terrain roughness 0 A .. 3 D, see coarseNames()
    qint32 Province = -1;      // index in the province list; -1 = none chosen yet
    QString District;          // the chosen city of the wind table
    double High = 18.6;        // height for the height factor μz (m)
    qint32 ScaffoldStatus = 1; // enclosure for μs, see scaffoldStatusNames()
    double StandardValue = 1;  // persisted, read by no calculation
    double Us = 1.2;           // shape factor μs
    double Uz = 0.84;          // height factor μz
    double Wo = 0.55;          // basic wind pressure w0 (kN/m²); -1 = look it up from District

    // Working values of the report being written; never persisted, never assigned.
    double Phi = 0; // blocking coefficient 1.2·AN/Aw
    double Wk = 0;  // wind pressure standard value (kN/m²)
    double Mw = 0;  // design moment of a tube segment from wind (kN·m)
    double Mwk = 0; // the same from the standard wind load (kN·m)

    // Copies every persisted setting, not the working values.
    void Assign(const TWindload& source);
    // Sets Phi and returns μs for the enclosure: 1.2 open, 1.0φ closed, 1.3φ open frame with walls; -1 otherwise.
    double CalUs();
    // μz of the first tabulated height at or above High for the terrain, without interpolation (reference data).
    double CalUz() const;

    static QStringList coarseNames();
    static QStringList scaffoldStatusNames();
};
