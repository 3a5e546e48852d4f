#include "CalculationObject.h"

#include "core/TYsProject.h"

namespace {

// Line ends belong to the report line, not to the conclusion's statement.
ReportText withoutLineEnd(const ReportText& t)
{
    QString s = t.text();
    int n = s.size();
    while (n > 0 && (s[n - 1] == QLatin1Char('\r') || s[n - 1] == QLatin1Char('\n'))) {
        --n;
    }
    ReportText out;
    for (int i = 0; i < n; ++i) {
        if (t.isVerbatim(i)) {
            out.append(Verbatim{QString(s[i])});
        } else {
            out.append(QString(s[i]));
        }
    }
    return out;
}

} // namespace

CalculationObject::CalculationObject() = default;

ReportDocument& CalculationObject::ConclusionBuffer()
{
    if (!m_conclusions) {
        m_conclusions = std::make_unique<ReportDocument>();
    }
    return *m_conclusions;
}

CalculationObject::~CalculationObject() = default;

void CalculationObject::writeReportHeader(const TYsObj& obj, ReportDocument& report)
{
    report.Clear();
    report.setBaseStyle(3);
    report.SetTextStyle(0);
    report.AddRawLine(QString(13, QLatin1Char(' ')) + obj.Caption + QStringLiteral("计算书\r\n"));
    WriteProjectInfo(report, obj.myActivePrj);
}

void CalculationObject::WriteReport(ReportDocument& report)
{
    writeReportHeader(*this, report);
    ConclusionBuffer().Clear();
    HasConclusion = false;
    ConclusionCount = 0;
}

QString CalculationObject::NextConclusionNo()
{
    HasConclusion = true;
    ++ConclusionCount;
    return QString::number(ConclusionCount) + QLatin1Char('.');
}

void CalculationObject::FlushConclusions(ReportDocument& report)
{
    report.appendDocument(ConclusionBuffer());
    HasConclusion = false;
    ConclusionCount = 0;
}

void CalculationObject::AddConclusion(const ReportText& statement, const ReportText& advice)
{
    ReportDocument& buffer = ConclusionBuffer();
    buffer.SetTextStyle(5);
    buffer.AddLine(ReportText(NextConclusionNo(), statement), 2);
    if (!advice.text().isEmpty()) {
        buffer.SetTextStyle(5);
        buffer.AddLine(ReportText(QStringLiteral("  "), advice), 2);
    }
}

bool CalculationObject::Check(ReportDocument& report, bool ok, const Verdict& v)
{
    if (ok) {
        report.AddText(v.pass, 2, v.indent);
        return true;
    }
    report.AddText(v.fail, 5, v.indent);
    if (!v.advice.text().isEmpty()) {
        report.AddText(v.advice, 5, v.indent);
    }
    AddConclusion(v.conclusion.value_or(withoutLineEnd(v.fail)), v.conclusionAdvice.value_or(withoutLineEnd(v.advice)));
    return false;
}

void CalculationObject::WriteConclusions(ReportDocument& report, const QString& numeral)
{
    if (!HasConclusion) {
        return;
    }
    report.AddBlankLine();
    report.SetTextStyle(7);
    report.AddLine(numeral + QStringLiteral("、结论和建议:\r\n"), 1);
    FlushConclusions(report);
}

void WriteProjectInfo(ReportDocument& report, const TYsProject* project)
{
    if (!project || !project->FlagWriteToCal) {
        return;
    }
    static const QString types[]
        = {QStringLiteral("框架"), QStringLiteral("砖混"), QStringLiteral("框剪"), QStringLiteral("剪力墙")};
    const QString type = project->StructureType < 4 ? types[project->StructureType] : QString();
    report.line(2, "工程名称：", Verbatim{project->prjname}, "；结构类型：", type, "；建筑高度：",
                Dec{project->BuildHigh, 2}, "m；标准层层高：", Dec{project->FloorHigh, 2}, "m ；");
    report.line(2, "总建筑面积：", Dec{project->StructureArea, 2}, "m#2#；总工期：", Dec{project->TimeOfProject, 0},
                "天；施工单位：", Verbatim{project->ConstuctionUnit}, "；");
    report.AddBlankLine();
}

void writeReportOf(TYsObj& obj, ReportDocument& report)
{
    if (auto* calc = dynamic_cast<CalculationObject*>(&obj)) {
        calc->WriteReport(report);
    } else {
        CalculationObject::writeReportHeader(obj, report);
    }
}
