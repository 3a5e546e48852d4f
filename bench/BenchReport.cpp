// Writing one calculation book in memory (budget: 25 ms, pictures cached): the floor-standing scaffold with wind,
// its most complete book.
#include "calc/ground/TGroundScaffold.h"
#include "core/Messages.h"
#include "refdata/Tdm1.h"
#include "report/ReportDocument.h"
#include "report/ReportFonts.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

void BM_GroundScaffoldBook(benchmark::State& state)
{
    ScriptedMessages messages;
    MessagesGuard guard(messages);
    TGroundScaffold obj;
    obj.Caption = QStringLiteral("落地架");
    obj.WindLoadValid = state.range(0) != 0;
    ReportDocument warmUp;
    obj.WriteReport(warmUp); // loads the pictures once
    for (auto _ : state) {
        ReportDocument report;
        obj.WriteReport(report);
        benchmark::DoNotOptimize(report.document().characterCount());
    }
}
BENCHMARK(BM_GroundScaffoldBook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installReportFonts();
    if (!DataModuleCreate()) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
