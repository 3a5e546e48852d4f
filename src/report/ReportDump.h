#pragma once

#include <QString>

class QTextDocument;

// A calculation book as text for review and tests: one line per paragraph, "[k]" where style k begins, "_{..}"
// around subscripts, "^{..}" around superscripts and "[picture WxH]" for a picture. A changed literal, style or
// script position shows up as a changed line.
QString dumpReport(const QTextDocument& document);
