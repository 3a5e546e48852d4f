#pragma once

#include <QStringList>

class QTextStream;

// `yunshan-cli beam OPERATION ARG…`: runs one entry operation of the frame solver and prints its shear, moment and
// deflection curves, its reactions and the three maxima. `args` are the words after "beam". Returns the exit
// status: 0 solved, 1 the beam could not be solved (the reason on `err`), 2 a usage error.
int runBeam(const QStringList& args, QTextStream& out, QTextStream& err);
