#pragma once

#include <vector>

// The same symmetric matrix as BandMatrix held in full, n × n, and eliminated over every entry of the upper
// triangle. Slow (O(n³)); kept as the reference the band storage is checked against.
class FullMatrix
{
public:
    explicit FullMatrix(int n);

    int size() const { return m_n; }

    // Adds v to entry (i, j), 1 ≤ i ≤ j ≤ n.
    void add(int i, int j, double v) { m_a[index(i, j)] += v; }
    double at(int i, int j) const { return m_a[index(i, j)]; }

    // As BandMatrix::solve.
    int solve(std::vector<double>& p);

private:
    std::size_t index(int i, int j) const;

    int m_n;
    std::vector<double> m_a;
};
