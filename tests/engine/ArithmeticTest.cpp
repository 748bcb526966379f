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

TEST(ScaleFactor, IsTenToThePlaces)
{
    EXPECT_EQ(ScaleFactor(0), 1.0);
    EXPECT_EQ(ScaleFactor(1), 10.0);
    EXPECT_EQ(ScaleFactor(11), 1e11);
}

TEST(ApplyOperator, ScalesDecimalOperandsToWholeNumbers)
{
    // 0.1 + 0.2 computed as (2 + 1) / 10; unscaled it would not be 0.3.
    EXPECT_EQ(*ApplyOperator(OperatorAdd, 0.1, 0.2, 1), 0.3);
    EXPECT_NE(Opaque(0.1) + Opaque(0.2), 0.3);
    EXPECT_EQ(*ApplyOperator(OperatorSubtract, 2.5, 2.5, 1), 0.0);
    EXPECT_EQ(*ApplyOperator(OperatorSubtract, 10.0, 3.0, 0), 7.0);
    EXPECT_EQ(*ApplyOperator(OperatorMultiply, 6.0, 7.0, 0), 42.0);
    EXPECT_EQ(*ApplyOperator(OperatorDivide, 1.0, 4.0, 0), 0.25);
    EXPECT_EQ(*ApplyOperator(OperatorNone, 99.0, 5.0, 3), 5.0);
}

TEST(ApplyOperator, FollowsTheWrittenOrderOfSteps)
{
    const double a = Opaque(1.7), x = Opaque(2.35);
    const double s = Opaque(100.0);
    const double sub = (s * a - s * x) / s;
    EXPECT_EQ(*ApplyOperator(OperatorSubtract, a, x, 2), sub);
    const double mul = ((s * x) / s) * a;
    EXPECT_EQ(*ApplyOperator(OperatorMultiply, a, x, 2), mul);
    const double div = (s / (x * s)) * a;
    EXPECT_EQ(*ApplyOperator(OperatorDivide, a, x, 2), div);
}

TEST(ApplyOperator, DivisionByZeroFails)
{
    EXPECT_FALSE(ApplyOperator(OperatorDivide, 5.0, 0.0, 0).has_value());
    EXPECT_FALSE(ApplyOperator(OperatorDivide, 5.0, -0.0, 0).has_value());
    // Only division fails on zero.
    EXPECT_EQ(*ApplyOperator(OperatorMultiply, 5.0, 0.0, 0), 0.0);
}

TEST(ApplyOperator, ZeroTimesNegativeIsNegativeZero)
{
    const double product = *ApplyOperator(OperatorMultiply, 0.0, -5.0, 0);
    EXPECT_EQ(product, 0.0);
    EXPECT_TRUE(std::signbit(product));
}

TEST(PercentValue, ByPendingOperator)
{
    EXPECT_EQ(*PercentValue(OperatorAdd, 200.0, 10.0, 1.0), 220.0);
    EXPECT_EQ(*PercentValue(OperatorSubtract, 200.0, 10.0, 1.0), 180.0);
    EXPECT_EQ(*PercentValue(OperatorMultiply, 200.0, 10.0, 1.0), 20.0);
    EXPECT_EQ(*PercentValue(OperatorDivide, 50.0, 200.0, 1.0), 25.0);
    EXPECT_EQ(*PercentValue(OperatorNone, 50.0, 200.0, 1.0), 0.0);
    EXPECT_FALSE(PercentValue(OperatorDivide, 50.0, 0.0, 1.0).has_value());
}

TEST(RaisedPower, UsesTheLibraryPowerOnScaledOperands)
{
    EXPECT_EQ(RaisedPower(1.5, 10.0, 2), 2.25);
    EXPECT_EQ(RaisedPower(99999.0, 1.0, 3), 999970000299999.0);
    for (double x = 0.37; x < 1e6; x = x * 3.7 + 0.01) {
        const double s = Opaque(100.0);
        const double expected = pow(Opaque(s * x), Opaque(2.0)) / pow(s, Opaque(2.0));
        EXPECT_EQ(RaisedPower(x, s, 2), expected) << x;
    }
}

TEST(TaxValues, ApplyTheRateInHundredthsOfAPercent)
{
    EXPECT_EQ(TaxIncludedValue(19800.0, 500), (10500.0 * 19800.0) * 0.0001);
    EXPECT_EQ(TaxExcludedValue(20790.0, 500), (20790.0 / 10500.0) * 10000.0);
    EXPECT_EQ(TaxIncludedValue(1000.0, 800), (10800.0 * 1000.0) * 0.0001);
    // The sum wraps in 32 bits: 0xFFFFFFFF + 10000 is 9999.
    EXPECT_EQ(TaxIncludedValue(1.0, 0xFFFFFFFFu), (9999.0 * 1.0) * 0.0001);
}

TEST(MemoryValues, AddAndSubtractScaled)
{
    EXPECT_EQ(MemoryPlusValue(0.1, 0.2, 10.0), 0.3);
    EXPECT_EQ(MemoryMinusValue(5.0, 3.0, 1.0), 2.0);
}

}  // namespace
}  // namespace abacor
