#include <gtest/gtest.h>

#include <cmath>
#include <math.h>

#include "calculator/engine/FunctionMath.h"
#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {
namespace {

// Keeps the compiler from folding or fusing the reference computations.
double Opaque(double value)
{
    volatile double v = value;
    return v;
}

TEST(ApplyOperator, SumsAndProductsAreExactOnTheDecimalsShown)
{
    // Unscaled doubles would miss this; the key-sequence rows hold the rest.
    EXPECT_EQ(*ApplyOperator(Operator::Add, 0.1, 0.2), 0.3);
    EXPECT_NE(Opaque(0.1) + Opaque(0.2), 0.3);
    EXPECT_EQ(*ApplyOperator(Operator::Add, -0.03, 0.03), 0.0);
    EXPECT_FALSE(std::signbit(*ApplyOperator(Operator::Add, -0.03, 0.03)));
    EXPECT_TRUE(std::signbit(*ApplyOperator(Operator::Add, -0.0, -0.0)));
    // Beyond a double's range the sum is infinite, and so an overflow.
    EXPECT_TRUE(std::isinf(*ApplyOperator(Operator::Multiply, 1e300, 1e300)));
}

TEST(ApplyOperator, QuotientsAreRoundedOnce)
{
    // 8198541804.21 / 6 is 1366423634.035 exactly: the double nearest to it,
    // not one three double steps away.
    EXPECT_EQ(*ApplyOperator(Operator::Divide, 8198541804.21, 6.0), 1366423634.035);
    EXPECT_EQ(*PercentValue(Operator::Divide, 1.0, 3.0), 100.0 / 3.0);
    EXPECT_EQ(TaxExcludedValue(1296295.35, 500), 1234567.0);
}

TEST(ApplyOperator, DivisionByZeroFails)
{
    EXPECT_FALSE(ApplyOperator(Operator::Divide, 5.0, 0.0).has_value());
    EXPECT_FALSE(ApplyOperator(Operator::Divide, 5.0, -0.0).has_value());
    // Only division fails on zero.
    EXPECT_EQ(*ApplyOperator(Operator::Multiply, 5.0, 0.0), 0.0);
}

TEST(ApplyOperator, ZeroTimesNegativeIsNegativeZero)
{
    const double product = *ApplyOperator(Operator::Multiply, 0.0, -5.0);
    EXPECT_EQ(product, 0.0);
    EXPECT_TRUE(std::signbit(product));
}

TEST(PercentValue, ByPendingOperator)
{
    EXPECT_EQ(*PercentValue(Operator::Add, 200.0, 10.0), 220.0);
    EXPECT_EQ(*PercentValue(Operator::Subtract, 200.0, 10.0), 180.0);
    EXPECT_EQ(*PercentValue(Operator::Multiply, 200.0, 10.0), 20.0);
    EXPECT_EQ(*PercentValue(Operator::Divide, 50.0, 200.0), 25.0);
    EXPECT_EQ(*PercentValue(Operator::None, 50.0, 200.0), 0.0);
    EXPECT_FALSE(PercentValue(Operator::Divide, 50.0, 0.0).has_value());
    // Exact on the decimals: 1234567.89 + 8 % is 1333333.3212.
    EXPECT_EQ(*PercentValue(Operator::Add, 1234567.89, 8.0), 1333333.3212);
    EXPECT_EQ(*PercentValue(Operator::Subtract, 0.3, 10.0), 0.27);
}

TEST(ExactFunctions, PowersTaxAndMemory)
{
    EXPECT_EQ(RaisedPower(1.5, 2), 2.25);
    EXPECT_EQ(RaisedPower(99999.0, 3), 999970000299999.0);
    EXPECT_EQ(RaisedPower(0.1, 3), 0.001);
    EXPECT_EQ(TaxIncludedValue(19800.0, 500), 20790.0);
    EXPECT_EQ(TaxIncludedValue(0.7, 1000), 0.77);
    // The sum wraps in 32 bits: 0xFFFFFFFF + 10000 is 9999.
    EXPECT_EQ(TaxIncludedValue(1.0, 0xFFFFFFFFu), 0.9999);
    EXPECT_EQ(MemoryPlusValue(0.1, 0.2), 0.3);
}

}  // namespace
}  // namespace abacor
