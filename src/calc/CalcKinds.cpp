#include "CalcKinds.h"

#include "calc/cantilever/TRaiseScaffoldA.h"
#include "calc/cantilever/TRaiseScaffoldB.h"
#include "calc/door/TDoorScaffold.h"
#include "calc/formwork/TFormworkScaffold.h"
#include "calc/formwork/THighBoardScaffold.h"
#include "calc/formwork/THighGirderScaffold.h"
#include "calc/ground/TGroundScaffold.h"
#include "calc/ground/TWallScaffold.h"
#include "calc/ground/TWellScaffold.h"
#include "calc/platform/TGroundPlatRoof.h"
#include "calc/platform/TRaisePlat.h"
#include "core/Kinds.h"

namespace {

template<class T> std::unique_ptr<TYsObj> make()
{
    return std::make_unique<T>();
}

// The two codes of a pair (2-8 with 9-15) create the same class.
template<class T> void pair(int code)
{
    registerKindCreator(code, &make<T>);
    registerKindCreator(code + 7, &make<T>);
}

} // namespace

void registerCalculationKinds()
{
    pair<TGroundScaffold>(2);
    pair<TRaiseScaffoldA>(3);
    pair<TRaiseScaffoldB>(4);
    pair<TFormworkScaffold>(5);
    pair<THighBoardScaffold>(6);
    pair<THighGirderScaffold>(7);
    pair<TGroundPlatRoof>(8);
    registerKindCreator(16, &make<TDoorScaffold>);
    registerKindCreator(17, &make<TRaisePlat>);
    registerKindCreator(18, &make<TWallScaffold>);
    registerKindCreator(19, &make<TWellScaffold>);
}
