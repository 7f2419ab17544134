#include <gtest/gtest.h>

#include "present/resources.h"

TEST(Clamps, Limit1AndLimit0) {
    struct Case { float in, one, zero; };
    for (Case c : {Case{1.5f, 1.0f, 1.5f}, Case{0.3f, 0.3f, 0.3f}, Case{-0.2f, -0.2f, 0.0f}, Case{1.0f, 1.0f, 1.0f}}) {
        EXPECT_FLOAT_EQ(limit1(c.in), c.one) << c.in;
        EXPECT_FLOAT_EQ(limit0(c.in), c.zero) << c.in;
    }
}
