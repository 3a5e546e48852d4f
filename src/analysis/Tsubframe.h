#pragma once

#include "FrameModel.h"
#include "Tarry_ShearingForce.h"
#include "beamlayouts.h"

#include <vector>

// The outcome of an analysis. Only a solved model has results; an invalid layout or an unstable model must become
// a failed check in the calculation book, never numbers.
enum class SolveStatus {
    Solved,
    InvalidLayout, // the arguments do not describe a beam (a span or spacing not positive, points off the beam, ...)
    Unstable,      // the supports do not hold the beam (a mechanism): its equations have no unique solution
};

// Plane frame solver by the stiffness method, for the continuous beams of the calculations: create it, call one
// entry operation (which builds the beam and solves it), check the status and read the results. Each entry
// operation analyses the beam as built for the forces and reactions, then a copy refined to nodes every 0.05 m for
// the deflection curve. A second entry operation on the same object starts afresh.
class Tsubframe
{
public:
    // How the global stiffness matrix is held: as a band (the default), or in full, which gives bit-identical
    // results at O(n³) cost and serves to check the band.
    enum class Storage { Band, Full };

    explicit Tsubframe(Storage storage = Storage::Band)
        : m_storage(storage)
    { }

    // The five beams of the calculations; their layouts and argument units are described in beamlayouts.h.
    SolveStatus CalMultiSupportBeam(const MultiSupportBeam& beam);
    SolveStatus CalContinuousBeam(const ContinuousBeam& beam);
    SolveStatus CalThreeSpanBeam(const ThreeSpanBeam& beam);
    SolveStatus CalCantileverBeam(const CantileverBeam& beam);
    SolveStatus CalPlatformBeam(const PlatformBeam& beam);

    // Analyses a model directly: a beam along x (member e joins nodes e and e + 1, coordinates ascending, y zero)
    // whose first node is the start of the result curves.
    SolveStatus Solve(FrameModel model);

    SolveStatus status() const { return m_status; }
    bool solved() const { return m_status == SolveStatus::Solved; }

    // The results; reading them is valid only when solved() (they throw std::logic_error otherwise).
    // Shear (kN) and moment (kN·m) at both ends of every member of the beam as built: point 2e - 1 is the start of
    // member e, point 2e its end. Shear is positive upward on the left of a section; the moment is positive where
    // the top fibre is in tension (over inner supports), negative under sagging.
    const Tarry_ShearingForce& ShearingForce() const;
    const Tarry_ShearingForce& BendingMoment() const;
    // Vertical displacement in mm (negative downward), one point per node of the refined beam.
    const Tarry_ShearingForce& Deflection() const;
    // One reaction (kN, positive upward) per restraint record, indexed from 0 in record order.
    const std::vector<double>& Reaction() const;
    double MaxMoment() const;     // kN·m, largest |moment|
    double MaxDeflection() const; // mm, largest |deflection|
    double MaxReaction() const;   // kN, largest |reaction| over every record

    // The beam as built and its refined copy, as last analysed (for sketches and tests).
    const FrameModel& model() const { return m_model; }
    const FrameModel& refinedModel() const { return m_refined; }

private:
    SolveStatus finish(std::optional<FrameModel> model);
    void clearResults();
    void requireSolved() const;

    Storage m_storage;
    SolveStatus m_status = SolveStatus::InvalidLayout;
    FrameModel m_model;
    FrameModel m_refined;
    Tarry_ShearingForce m_shear;
    Tarry_ShearingForce m_moment;
    Tarry_ShearingForce m_deflection;
    std::vector<double> m_reaction;
    double m_maxMoment = 0;
    double m_maxDeflection = 0;
    double m_maxReaction = 0;
};
