#include "TGroundScaffold.h"

TGroundScaffold::TGroundScaffold() = default;

TGroundScaffold::~TGroundScaffold() = default;
