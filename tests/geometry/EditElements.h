// Checks of the editing tests on element records (the records themselves come from support/Fixtures.h).
#pragma once

#include "support/Fixtures.h"

namespace vantro::testing {

// Kind, end points, radius and angle within Eps.
void ExpectGeometry(const TCadData& actual, const TCadData& expected);

}  // namespace vantro::testing
