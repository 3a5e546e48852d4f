#pragma once

#include "ReportFormat.h"
#include "core/NumberText.h"

#include <QString>
#include <vector>

// Pieces of one report line. Literal pieces carry the report markup ("$" subscript, "#" superscript runs); a
// bare number is written with three decimals; the wrappers give the other forms.
struct Dec
{
    double value;
    int decimals;
};
struct Int
{
    qint64 value;
};
struct Short
{
    double value;
};
struct Sci
{
    double value;
};
// Text the user typed (a caption, a project name): printed as typed, its "$" and "#" are not markup.
struct Verbatim
{
    QString text;
};

// A line being built: its characters, and which of them came from verbatim pieces.
class ReportText
{
public:
    ReportText() = default;
    template<class... Pieces> explicit ReportText(const Pieces&... pieces) { (append(pieces), ...); }

    void append(const QString& markup) { add(markup, false); }
    void append(const char* markup) { add(QString::fromUtf8(markup), false); }
    void append(QLatin1String markup) { add(QString(markup), false); }
    void append(double x) { add(FormatFixed(3, x), false); }
    void append(int) = delete; // say Int{n} or Dec{x, 3}: a bare integer is ambiguous
    void append(const Dec& d) { add(FormatFixed(d.decimals, d.value), false); }
    void append(const Int& i) { add(FormatInt(i.value), false); }
    void append(const Short& s) { add(FormatShort(s.value), false); }
    void append(const Sci& s) { add(FormatSci(s.value), false); }
    void append(const Verbatim& v) { add(v.text, true); }
    void append(const ReportText& other)
    {
        m_text += other.m_text;
        m_verbatim.insert(m_verbatim.end(), other.m_verbatim.begin(), other.m_verbatim.end());
    }

    const QString& text() const { return m_text; }
    // Whether character i came from a verbatim piece (its "$" and "#" are plain characters).
    bool isVerbatim(int i) const { return m_verbatim[static_cast<size_t>(i)]; }

private:
    void add(const QString& s, bool verbatim)
    {
        m_text += s;
        m_verbatim.insert(m_verbatim.end(), static_cast<size_t>(s.size()), verbatim);
    }

    QString m_text;
    std::vector<bool> m_verbatim;
};
