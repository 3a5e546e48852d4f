// Reading and writing a project of 1,000 objects (budget: 50 ms for both).
#include "calc/CalcKinds.h"
#include "core/Kinds.h"
#include "core/Messages.h"
#include "core/ProjectFile.h"
#include "core/TYsObj.h"
#include "core/TYsProject.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Ten folders with 99 calculation objects of every kind below them, Chinese captions.
std::unique_ptr<TYsProject> makeProject(const QString& path)
{
    auto p = std::make_unique<TYsProject>();
    p->prjname = QStringLiteral("基准工程");
    p->FileName = path;
    const int kinds[] = {2, 3, 4, 5, 6, 7, 8, 16, 17, 9, 10};
    for (int folder = 0; folder < 10; ++folder) {
        TYsObj* f = CreateObjectOfType(1, *p);
        f->Index = p->NewIndex();
        f->Caption = QStringLiteral("第%1号楼").arg(folder + 1);
        for (int i = 0; i < 99; ++i) {
            TYsObj* o = CreateObjectOfType(kinds[i % 11], *p);
            o->Index = static_cast<qint32>(p->ObjList.size()) - 1;
            o->P_index = f->Index;
            o->Caption = QStringLiteral("脚手架%1").arg(i);
        }
    }
    return p;
}

void BM_WriteAndRead1000Objects(benchmark::State& state)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    MessagesGuard guard(messages);
    const QString path = dir.filePath(QStringLiteral("bench.yss"));
    auto project = makeProject(path);
    for (auto _ : state) {
        if (!ProjectFile::write(*project)) {
            state.SkipWithError("write failed");
            break;
        }
        ProjectFile::ReadResult r = ProjectFile::read(path);
        if (r.status != ProjectFile::Status::Ok || r.project->ObjList.size() != 1000) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(r.project.get());
    }
}
BENCHMARK(BM_WriteAndRead1000Objects)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    registerCalculationKinds();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
