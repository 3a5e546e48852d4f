#pragma once

#include "ReportDocument.h"
#include "core/TYsObj.h"

#include <memory>
#include <optional>

class TYsProject;

// A TYsObj that writes a calculation book: the base of every calculation kind. It owns the hidden conclusions
// buffer that collects the numbered conclusions of failed checks while a report is written.
class CalculationObject : public TYsObj
{
public:
    CalculationObject();
    ~CalculationObject() override;

    // Clears the report, writes the title and the project block, and empties the conclusions. Every kind calls it
    // first and then appends its calculation.
    virtual void WriteReport(ReportDocument& report);

    // Made on first use: a project holds many objects, few of which write a book in a session.
    ReportDocument& ConclusionBuffer();
    bool HasConclusion = false; // a conclusion was added during the current report
    int ConclusionCount = 0;    // running number of the last conclusion

    // "1.", "2.", ... for the next conclusion of this report.
    QString NextConclusionNo();
    // Appends the conclusions buffer to the report and starts the numbering again.
    void FlushConclusions(ReportDocument& report);

    // What one check prints: the line when it passes, the failure line, the advice under it, and what goes into
    // the conclusions (by default the failure line and the advice, without their line ends).
    struct Verdict
    {
        ReportText pass{};
        ReportText fail{};
        ReportText advice{};
        std::optional<ReportText> conclusion{};
        std::optional<ReportText> conclusionAdvice{};
        int indent = 2;
    };
    // The pass line in style 2, or the failure line and advice in style 5 with a numbered conclusion in the
    // buffer. Returns `ok`.
    bool Check(ReportDocument& report, bool ok, const Verdict& verdict);
    // Adds a numbered conclusion (style 5) and, when given, its advice line under it.
    void AddConclusion(const ReportText& statement, const ReportText& advice = {});
    // At the end of a report with conclusions: a blank line and the heading ("十" gives "十、结论和建议:") in
    // style 7, then the conclusions.
    void WriteConclusions(ReportDocument& report, const QString& numeral);

    // The part of a book every object has: title and project block.
    static void writeReportHeader(const TYsObj& obj, ReportDocument& report);

private:
    std::unique_ptr<ReportDocument> m_conclusions;
};

// The project information block, written only when the project asks for it (工程基本信息写入计算书).
void WriteProjectInfo(ReportDocument& report, const TYsProject* project);

// The book of any object of a project: its kind's WriteReport, or the title and project block for an object of
// a kind this program does not calculate.
void writeReportOf(TYsObj& obj, ReportDocument& report);
