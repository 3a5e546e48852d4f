#include "BeamCommand.h"

#include "analysis/Tsubframe.h"
#include "core/NumberText.h"

#include <QTextStream>
#include <optional>

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kBeamUsage = "用法: yunshan-cli beam 类型 参数...\n"
                               "  multi-support n Lm(mm) L(mm) 荷载1,…,荷载n+2 A I\n"
                               "  continuous n L(mm) q P A I [E]\n"
                               "  three-span 跨度 荷载间距(mm) A I P\n"
                               "  cantilever n x0 Lt s dh g f0 A I P q\n"
                               "  platform m 端部(1铰支) Lt s x1 f e A I P q\n"
                               "  长度单位m(另注明者除外)，A单位cm2，I单位cm4，荷载向下为正(kN, kN/m)\n";

struct UsageError
{
    QString text;
};

class Args
{
public:
    Args(const QStringList& words, int expected, int optional = 0)
        : m_words(words)
    {
        const int given = static_cast<int>(words.size()) - 1;
        if (given < expected || given > expected + optional) {
            throw UsageError{QStringLiteral("%1需要%2个参数").arg(words[0]).arg(expected)};
        }
    }

    double real()
    {
        const QString& w = next();
        const std::optional<double> v = textToReal(w);
        if (!v) {
            throw UsageError{QStringLiteral("%1不是数值").arg(w)};
        }
        return *v;
    }

    int integer()
    {
        const QString& w = next();
        bool ok = false;
        const int v = w.trimmed().toInt(&ok);
        if (!ok) {
            throw UsageError{QStringLiteral("%1不是整数").arg(w)};
        }
        return v;
    }

    // A comma-separated list of reals.
    std::vector<double> reals()
    {
        const QString& w = next();
        std::vector<double> v;
        for (const QString& part : w.split(QLatin1Char(','))) {
            const std::optional<double> x = textToReal(part);
            if (!x) {
                throw UsageError{QStringLiteral("%1不是以逗号分隔的数值").arg(w)};
            }
            v.push_back(*x);
        }
        return v;
    }

private:
    const QString& next() { return m_words[++m_at]; }

    const QStringList& m_words;
    int m_at = 0;
};

// Runs the operation named by words[0]. The braced initialisers below are evaluated in order, so each reads its
// arguments in the order given.
SolveStatus solve(Tsubframe& t, const QStringList& words)
{
    const QString& op = words[0];
    if (op == QLatin1String("multi-support")) {
        Args a(words, 6);
        MultiSupportBeam b;
        b.n = a.integer();
        b.Lm = a.real();
        b.L = a.real();
        const std::vector<double> loads = a.reals();
        if (b.n < 0 || static_cast<int>(loads.size()) != b.n + 2) {
            throw UsageError{QStringLiteral("multi-support需要n + 2个荷载")};
        }
        b.loads = {0.0};
        b.loads.insert(b.loads.end(), loads.begin(), loads.end());
        b.A = a.real();
        b.I = a.real();
        return t.CalMultiSupportBeam(b);
    }
    if (op == QLatin1String("continuous")) {
        Args a(words, 6, 1); // the seventh, E, is accepted and not used: the solver's steel modulus applies
        return t.CalContinuousBeam(
            {.n = a.integer(), .L = a.real(), .q = a.real(), .P = a.real(), .A = a.real(), .I = a.real()});
    }
    if (op == QLatin1String("three-span")) {
        Args a(words, 5);
        return t.CalThreeSpanBeam({.span = a.real(), .spacing = a.real(), .A = a.real(), .I = a.real(), .P = a.real()});
    }
    if (op == QLatin1String("cantilever")) {
        Args a(words, 11);
        return t.CalCantileverBeam({.n = a.integer(),
                                    .x0 = a.real(),
                                    .Lt = a.real(),
                                    .s = a.real(),
                                    .dh = a.real(),
                                    .g = a.real(),
                                    .f0 = a.real(),
                                    .A = a.real(),
                                    .I = a.real(),
                                    .P = a.real(),
                                    .q = a.real()});
    }
    if (op == QLatin1String("platform")) {
        Args a(words, 11);
        return t.CalPlatformBeam({.m = a.integer(),
                                  .end = a.integer(),
                                  .Lt = a.real(),
                                  .s = a.real(),
                                  .x1 = a.real(),
                                  .f = a.real(),
                                  .e = a.real(),
                                  .A = a.real(),
                                  .I = a.real(),
                                  .P = a.real(),
                                  .q = a.real()});
    }
    throw UsageError{QStringLiteral("未知的梁类型%1").arg(op)};
}

void printCurve(QTextStream& out, const char* title, const Tarry_ShearingForce& curve)
{
    out << title << '\n';
    for (const ResultPoint& p : curve) {
        out << realToText(p.x) << '\t' << realToText(p.value) << '\n';
    }
}

} // namespace

int runBeam(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        err << QString::fromUtf8(kBeamUsage);
        return kUsage;
    }
    Tsubframe t;
    SolveStatus status;
    try {
        status = solve(t, args);
    } catch (const UsageError& e) {
        err << e.text << '\n' << QString::fromUtf8(kBeamUsage);
        return kUsage;
    }
    switch (status) {
    case SolveStatus::Solved:
        break;
    case SolveStatus::InvalidLayout:
        err << QStringLiteral("参数不能构成梁的计算模型(长度、间距须为正，支座和荷载须在梁上)") << '\n';
        return kFailed;
    case SolveStatus::Unstable:
        err << QStringLiteral("梁的支座不足以使其稳定(几何可变)，无法计算") << '\n';
        return kFailed;
    }
    printCurve(out, "# shear", t.ShearingForce());
    printCurve(out, "# moment", t.BendingMoment());
    printCurve(out, "# deflection", t.Deflection());
    out << "# reaction\n";
    for (double R : t.Reaction()) {
        out << realToText(R) << '\n';
    }
    out << "MaxMoment=" << realToText(t.MaxMoment()) << '\n';
    out << "MaxDeflection=" << realToText(t.MaxDeflection()) << '\n';
    out << "MaxReaction=" << realToText(t.MaxReaction()) << '\n';
    return kOk;
}
