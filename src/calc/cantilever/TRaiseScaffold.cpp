#include "TRaiseScaffold.h"

TRaiseScaffold::TRaiseScaffold() = default;

TRaiseScaffold::~TRaiseScaffold() = default;
