#pragma once

#include "analysis/TGroundWorkPara.h"
#include "analysis/TLiveLoad.h"
#include "analysis/TOtherLoad.h"
#include "analysis/TScaffoldExPara.h"
#include "analysis/TStaticLoad.h"
#include "analysis/TWindload.h"
#include "refdata/TPoleTrait.h"

class CalculationObject;
class ReportDocument;

// The tube record with the working values a report adds to it.
struct PoleRecord : TPoleTrait
{
    double E = 0;     // elastic modulus (N/mm²)
    double f = 0;     // design strength (N/mm²)
    double gk = 0;    // dead load of the frame per metre of standing tube (kN/m)
    double mu = 0;    // effective-length factor
    double K = 0;     // additional length factor
    double l0 = 0;    // effective length (m)
    double phi = 0;   // stability coefficient of the standing tube
    int lambda = 0;   // slenderness l0/i, rounded
    double NWind = 0; // axial design force with wind (kN)
    double N = 0;     // axial design force without wind (kN)
    double sigma = 0; // stress (N/mm²)
};

// Anti-slip capacity of one fastener and of a double fastener (kN).
struct FastenerCapacity
{
    double Rc1 = 0;
    double Rc2 = 16;
};

// Loads, moments, stress and deflection of one horizontal bar.
struct BarResult
{
    double P1 = 0, P2 = 0, Q = 0, q = 0, M1 = 0, M2 = 0, M = 0, sigma = 0, V1 = 0, V2 = 0, V = 0;
};

struct FastenerLoad
{
    double P1 = 0, P2 = 0, Q = 0, R = 0;
};

// Standard values of the loads on one standing tube (kN).
struct LoadValues
{
    double NG1 = 0, NG2 = 0, NG3 = 0, NG4 = 0, NG = 0, NQ = 0;
};

// Dead load of the fittings (kN), permissible height and its limit (m), without and with wind.
struct HeightResult
{
    double NG2K = 0, Hs = 0, H = 0, HsWind = 0, HWind = 0;
};

struct WallTieValues
{
    double N0 = 0;                  // out-of-plane force (kN)
    int lambda = 0;                 // slenderness of the wall tie
    double phi = 0;                 // its stability coefficient
    double Aw = 0;                  // windward area per wall tie (m²)
    double NLw = 0, NL = 0, Nf = 0; // wind force, total force, resistance (kN)
    double sigmaW = 0;              // weld stress (N/mm²)
};

// The working records of one report, rewritten by every report and never persisted.
struct ScaffoldWork
{
    PoleRecord pole;
    FastenerCapacity fastener;
    BarResult smallBar, bigBar;
    FastenerLoad fastenerLoad;
    LoadValues loads;
    HeightResult height;
    WallTieValues tie;
    bool lambdaExceeded = false; // the slenderness limit failed in the last stability check
};

// What the section writers of a fastener steel-tube scaffold are given: the writing object (conclusions,
// pictures), the report, the parameters and the working records. The floor-standing and the cantilever
// scaffolds write the same sections with their own components.
struct ScaffoldContext
{
    CalculationObject& obj;
    ReportDocument& r;
    bool windLoadValid;
    TScaffoldExPara& ex;
    TLiveLoad& live;
    TOtherLoad& other;
    TStaticLoad& stat;
    TWindload& wind;
    TGroundWorkPara* ground; // none for a scaffold standing on beams
    ScaffoldWork& work;
};

namespace ScaffoldSections {

// The reference values a report needs; names of the values the tables lack are returned (empty: all found).
QStringList GetParamsFromTable(ScaffoldContext& c);
void WriteParameters(ScaffoldContext& c);
// One line for each value a table lookup held to the table's range.
void WriteLookupNotes(ScaffoldContext& c);
void SHPCalculationWhileSmallPoleAbove(ScaffoldContext& c);
void BHPCalculationWhileSmallPoleAbove(ScaffoldContext& c);
void BHPCalculationWhileBigPoleAbove(ScaffoldContext& c);
void SHPCalculationWhileBigPoleAbove(ScaffoldContext& c);
void CalFastenerSlip(ScaffoldContext& c);
void CalLoadStandardValues(ScaffoldContext& c);
void CalPoleStability(ScaffoldContext& c);
void CalMaxHeight(ScaffoldContext& c);
void CalWallTie(ScaffoldContext& c);
void CalFoundation(ScaffoldContext& c);

} // namespace ScaffoldSections
