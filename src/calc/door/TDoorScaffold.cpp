#include "TDoorScaffold.h"

TDoorScaffold::TDoorScaffold() = default;

TDoorScaffold::~TDoorScaffold() = default;
