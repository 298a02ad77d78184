#include "core/value_cell.h"

#include <gtest/gtest.h>

#include "core/failure.h"

namespace tavro {
namespace {

constexpr DecimalSeparator kEn = DecimalSeparator::FullStop();
constexpr DecimalSeparator kBg = DecimalSeparator::Comma();

TEST(ValueCell, NeverStoredReadsAsZeroAndAsTheEmptyText) {
  const ValueCell cell;
  EXPECT_TRUE(cell.IsEmpty());
  EXPECT_EQ(cell.AsNumber(kEn), 0.0);
  EXPECT_EQ(cell.AsText(kEn), "");
}

TEST(ValueCell, TextIsConvertedOnlyWhenReadAsANumber) {
  ValueCell cell;
  cell.Store("  2,5 ");
  EXPECT_EQ(cell.AsText(kEn), "  2,5 ");
  EXPECT_EQ(cell.AsNumber(kBg), 2.5);
  EXPECT_THROW(cell.AsNumber(kEn), Failure);
}

TEST(ValueCell, NumberIsWrittenWithTheSeparator) {
  ValueCell cell;
  cell.Store(0.5);
  EXPECT_EQ(cell.AsText(kBg), "0,5");
  EXPECT_EQ(cell.AsNumber(kEn), 0.5);
}

TEST(ValueCell, CopyingAnEmptyCellEmptiesTheTarget) {
  ValueCell empty;
  ValueCell target;
  target.Store(3.0);
  target.Store(empty);
  EXPECT_TRUE(target.IsEmpty());
}

}  // namespace
}  // namespace tavro
