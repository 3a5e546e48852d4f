#include "TRaiseScaffoldA.h"

TRaiseScaffoldA::TRaiseScaffoldA() = default;

TRaiseScaffoldA::~TRaiseScaffoldA() = default;
