#include "TRaisePlat.h"

TRaisePlat::TRaisePlat() = default;

TRaisePlat::~TRaisePlat() = default;
