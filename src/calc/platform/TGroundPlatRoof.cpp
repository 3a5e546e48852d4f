#include "TGroundPlatRoof.h"

TGroundPlatRoof::TGroundPlatRoof() = default;

TGroundPlatRoof::~TGroundPlatRoof() = default;
