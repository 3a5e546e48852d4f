// The reference lookups one floor-standing scaffold book makes, against the built database.
#include "core/AppPaths.h"
#include "core/Messages.h"
#include "refdata/Tdm1.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// Preparation, wind component and standing-tube checks of a double-row scaffold with the default parameters:
// fastener capacity, tube section, E, gk, f, μ, w0 by city, the wall tie's φ, the province list, μz and the
// standing tube's φ with and without wind.
double floorStandingBookLookups(Tdm1& db)
{
    double sum = 0;
    sum += db.GetSqlValue(QStringLiteral("select Value from SupportForceOfFastenerAndBase where typeid = ?"), {1});
    TPoleTrait pole;
    db.GetPoleTrait(0, pole);
    sum += pole.A;
    sum += db.GetSqlValue(QStringLiteral("select Value from IntensionAndFlexibilityOfSteel where Name = ?"),
                          {QStringLiteral("E")});
    sum += db.GetGk(1, 1.8, 1.5, pole.d);
    sum += db.GetSqlValue(QStringLiteral("select Value from IntensionAndFlexibilityOfSteel where Name = ?"),
                          {QStringLiteral("f")});
    sum += db.GetMu(1, 0, 1.05);
    sum += db.basicWindPressure(QStringLiteral("杭州市"));
    sum += db.GetSqlValue(QStringLiteral("select Value from valueOfFyAboutFittings where x = ?"), {19});
    sum += db.OpenSql(QStringLiteral("select distinct Province From wo order by Province")).count();
    sum += db.heightFactor(18.6, 2);
    sum += db.GetPhi(197);
    sum += db.GetPhi(186);
    return sum;
}

void BM_FloorStandingBookLookups(benchmark::State& state)
{
    Tdm1& db = dm1();
    if (!db.isOpen()) {
        state.SkipWithError(db.openError().toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(floorStandingBookLookups(db));
    }
}
BENCHMARK(BM_FloorStandingBookLookups)->Unit(benchmark::kMicrosecond);

// Opening the module at start-up.
void BM_OpenDataModule(benchmark::State& state)
{
    const QString path = AppPaths::dataDir() + QStringLiteral("/db/db.sqlite");
    for (auto _ : state) {
        Tdm1 db(path);
        benchmark::DoNotOptimize(db.isOpen());
    }
}
BENCHMARK(BM_OpenDataModule)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ScriptedMessages messages;
    MessagesGuard guard(messages);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DataModuleFree();
    return 0;
}
