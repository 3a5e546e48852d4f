#include "THighGirderScaffold.h"

THighGirderScaffold::THighGirderScaffold() = default;

THighGirderScaffold::~THighGirderScaffold() = default;
