#include "TWellScaffold.h"

TWellScaffold::TWellScaffold() = default;

TWellScaffold::~TWellScaffold() = default;
