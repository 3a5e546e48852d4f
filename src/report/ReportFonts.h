#pragma once

// The books name the face 宋体; where the system lacks it, the installed Song-style face stands in for it.
// Files still name 宋体, so a word processor on Windows uses its own.
void installReportFonts();
