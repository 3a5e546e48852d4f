#include "BandMatrix.h"

#include <algorithm>
#include <cassert>
#include <cmath>

BandMatrix::BandMatrix(int n, int halfBandwidth)
    : m_n(n)
    , m_hb(std::max(0, std::min(halfBandwidth, n - 1)))
    , m_a(static_cast<std::size_t>(std::max(n, 0)) * static_cast<std::size_t>(m_hb + 1), 0.0)
{
    assert(n >= 0);
}

std::size_t BandMatrix::index(int i, int j) const
{
    assert(i >= 1 && i <= j && j <= m_n && j - i <= m_hb);
    return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(m_hb + 1) + static_cast<std::size_t>(j - i);
}

int BandMatrix::solve(std::vector<double>& p)
{
    assert(static_cast<int>(p.size()) > m_n);
    const std::size_t w = static_cast<std::size_t>(m_hb + 1);
    auto row = [&](int i) { return m_a.data() + static_cast<std::size_t>(i - 1) * w; }; // row(i)[d] = (i, i + d)
    for (int k = 1; k <= m_n; ++k) {
        const double* rk = row(k);
        const double pivot = rk[0];
        if (!(pivot > 0.0) || !std::isfinite(pivot)) {
            return k;
        }
        // Beyond the band the entries of row k are zero, so the full elimination changes nothing there.
        const int last = std::min(m_n, k + m_hb);
        for (int j = k + 1; j <= last; ++j) {
            const double c = rk[j - k] / pivot;
            double* rj = row(j);
            for (int l = j; l <= last; ++l) {
                rj[l - j] -= c * rk[l - k];
            }
            p[j] -= c * p[k];
        }
    }
    for (int i = m_n; i >= 1; --i) {
        const double* ri = row(i);
        double s = p[i];
        const int last = std::min(m_n, i + m_hb);
        for (int l = i + 1; l <= last; ++l) {
            s -= ri[l - i] * p[l];
        }
        p[i] = s / ri[0];
    }
    return 0;
}
