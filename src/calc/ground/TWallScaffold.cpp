#include "TWallScaffold.h"

TWallScaffold::TWallScaffold() = default;

TWallScaffold::~TWallScaffold() = default;
