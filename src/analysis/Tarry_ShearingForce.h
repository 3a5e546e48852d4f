#pragma once

#include <cassert>
#include <vector>

// One point of a result curve: x along the beam in m and the value there (kN, kN·m or mm).
struct ResultPoint
{
    double x = 0;
    double value = 0;
};

// The result curves of the frame solver (shear, moment, deflection): points numbered from 1, so that point 2e - 1
// is the start of member e and point 2e its end. Range-for visits points 1 to size() in order.
class Tarry_ShearingForce
{
public:
    Tarry_ShearingForce() = default;
    explicit Tarry_ShearingForce(int count)
        : m_points(static_cast<std::size_t>(count))
    { }

    int size() const { return static_cast<int>(m_points.size()); }
    bool empty() const { return m_points.empty(); }

    // Point i, 1 ≤ i ≤ size().
    const ResultPoint& operator[](int i) const
    {
        assert(i >= 1 && i <= size());
        return m_points[static_cast<std::size_t>(i - 1)];
    }
    ResultPoint& operator[](int i)
    {
        assert(i >= 1 && i <= size());
        return m_points[static_cast<std::size_t>(i - 1)];
    }

    auto begin() const { return m_points.begin(); }
    auto end() const { return m_points.end(); }

private:
    std::vector<ResultPoint> m_points;
};
