#pragma once

#include <vector>

// The upper band of a symmetric matrix, rows and columns numbered 1..n: row i keeps columns i..i + halfBandwidth.
// The frame solver's global stiffness matrix lives here, so a beam's equations cost O(n) memory and time.
class BandMatrix
{
public:
    BandMatrix(int n, int halfBandwidth);

    int size() const { return m_n; }
    int halfBandwidth() const { return m_hb; }

    // Adds v to entry (i, j), i ≤ j ≤ i + halfBandwidth.
    void add(int i, int j, double v) { m_a[index(i, j)] += v; }
    double at(int i, int j) const { return m_a[index(i, j)]; }

    // Gaussian elimination without pivoting on the upper triangle, then back substitution: p (entries 1..n)
    // becomes the solution. A stiffness matrix has positive pivots only; the first unknown whose pivot is not
    // positive is returned (0 when every pivot was), and p is then left half-solved.
    int solve(std::vector<double>& p);

private:
    std::size_t index(int i, int j) const;

    int m_n;
    int m_hb;
    std::vector<double> m_a;
};
