#pragma once

#include "advisor/HoldValues.h"

// Every hold valued by judging every set of replacement cards, as a brute-force
// calculator does: the yardstick the subset sums are timed against.
advisor::HoldValues PlainHoldValues(const advisor::Deal& dealt);
