#include "platform/core/Variant.h"

#include <gtest/gtest.h>

using namespace vcl;

TEST(Variant, ValuesConvertOrRaise)
{
    EXPECT_TRUE(TVariant().IsEmpty());
    EXPECT_TRUE(TVariant::Null().IsNull());
    EXPECT_EQ(TVariant(3).AsDouble(), 3.0);
    EXPECT_EQ(TVariant("2.5").AsDouble(), 2.5);
    EXPECT_EQ(TVariant(2.5).AsInteger(), 2); // half to even
    EXPECT_EQ(TVariant(true).AsDouble(), -1.0);
    EXPECT_EQ(TVariant(0.25).AsString(), "0.25");
    EXPECT_EQ(TVariant::FromDateTime(0.5).AsDouble(), 0.5);
    try {
        TVariant::Null().AsDouble();
        ADD_FAILURE();
    } catch (const EVariantError& e) {
        EXPECT_EQ(e.Message(), "Could not convert variant of type (Null) into type (Double)");
    }
    EXPECT_THROW(TVariant("abc").AsDouble(), EVariantError);
    EXPECT_THROW(TVariant(1).DimCount() == 0 ? TVariant(1).LowBound(1) : 0, EVariantError);
}

TEST(Variant, ArraysKeepTheirBoundsAndElements)
{
    TVariant rows = TVariant::CreateArray({ { 0, 2 }, { 1, 3 } });
    EXPECT_EQ(rows.DimCount(), 2);
    EXPECT_EQ(rows.LowBound(2), 1);
    EXPECT_EQ(rows.HighBound(2), 3);
    rows.SetElement({ 1, 3 }, 7.5);
    EXPECT_EQ(rows.Element({ 1, 3 }).AsDouble(), 7.5);
    EXPECT_TRUE(rows.Element({ 0, 1 }).IsEmpty());

    TVariant copy = rows;
    copy.SetElement({ 1, 3 }, 1.0);
    EXPECT_EQ(rows.Element({ 1, 3 }).AsDouble(), 7.5);
    EXPECT_FALSE(copy == rows);

    EXPECT_THROW(rows.Element({ 2, 1 }), EVariantError);
    EXPECT_THROW(rows.Element({ 0, 0 }), EVariantError);
    EXPECT_THROW(rows.Element({ 0 }), EVariantError);
    EXPECT_THROW(rows.LowBound(3), EVariantError);
    EXPECT_THROW(TVariant::CreateArray({}), EVariantError);
}
