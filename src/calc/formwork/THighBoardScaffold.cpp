#include "THighBoardScaffold.h"

THighBoardScaffold::THighBoardScaffold() = default;

THighBoardScaffold::~THighBoardScaffold() = default;
