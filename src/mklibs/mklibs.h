#pragma once

// Exact numbers: integers of any size, fractions, complex fractions and the
// texts users type and read.
#include "mklibs/ComplexFraction.h"
#include "mklibs/Errors.h"
#include "mklibs/Fraction.h"
#include "mklibs/Integer.h"
