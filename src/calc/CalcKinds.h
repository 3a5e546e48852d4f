#pragma once

// Registers the class of every calculation kind with the kinds table; call once at start-up, before any
// project is read or object created.
void registerCalculationKinds();
