#include "ReportFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

void installReportFonts()
{
    static bool done = false;
    if (done || !QGuiApplication::instance()) {
        return;
    }
    done = true;
    const QString face = QStringLiteral("宋体");
    if (QFontDatabase::families().contains(face)) {
        return;
    }
    // Not a Noto CJK face: PDF output maps some of its glyphs to Kangxi radicals, which breaks search and copy.
    QFont::insertSubstitutions(face,
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun"), QStringLiteral("NSimSun")});
}
