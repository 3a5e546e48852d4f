#include "TFormworkScaffold.h"

TFormworkScaffold::TFormworkScaffold() = default;

TFormworkScaffold::~TFormworkScaffold() = default;
