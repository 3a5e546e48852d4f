#include "FullMatrix.h"

#include <cassert>
#include <cmath>

FullMatrix::FullMatrix(int n)
    : m_n(n)
    , m_a(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0.0)
{
    assert(n >= 0);
}

std::size_t FullMatrix::index(int i, int j) const
{
    assert(i >= 1 && i <= j && j <= m_n);
    return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(m_n) + static_cast<std::size_t>(j - 1);
}

int FullMatrix::solve(std::vector<double>& p)
{
    assert(static_cast<int>(p.size()) > m_n);
    for (int k = 1; k <= m_n; ++k) {
        const double pivot = at(k, k);
        if (!(pivot > 0.0) || !std::isfinite(pivot)) {
            return k;
        }
        for (int j = k + 1; j <= m_n; ++j) {
            const double c = at(k, j) / pivot;
            for (int l = j; l <= m_n; ++l) {
                m_a[index(j, l)] -= c * at(k, l);
            }
            p[j] -= c * p[k];
        }
    }
    for (int i = m_n; i >= 1; --i) {
        double s = p[i];
        for (int l = i + 1; l <= m_n; ++l) {
            s -= at(i, l) * p[l];
        }
        p[i] = s / at(i, i);
    }
    return 0;
}
