#include "geometry/EditElements.h"

#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantro::testing {

void ExpectGeometry(const TCadData& actual, const TCadData& expected)
{
    EXPECT_EQ(actual.Kind, expected.Kind);
    EXPECT_NEAR(actual.Cx, expected.Cx, Eps());
    EXPECT_NEAR(actual.Cy, expected.Cy, Eps());
    EXPECT_NEAR(actual.X1, expected.X1, Eps());
    EXPECT_NEAR(actual.Y1, expected.Y1, Eps());
    EXPECT_NEAR(actual.X2, expected.X2, Eps());
    EXPECT_NEAR(actual.Y2, expected.Y2, Eps());
    EXPECT_NEAR(actual.Angle, expected.Angle, Eps());
    EXPECT_NEAR(actual.R, expected.R, Eps());
}

}  // namespace vantro::testing
