#include "TRaiseScaffoldB.h"

TRaiseScaffoldB::TRaiseScaffoldB() = default;

TRaiseScaffoldB::~TRaiseScaffoldB() = default;
