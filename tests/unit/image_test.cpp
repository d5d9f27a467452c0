#include "toolkit/image.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Image24, NewImageIsBlackWithPaddedRows) {
    auto image = Image24::Create(5, 3);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->stride(), 16);
    for (size_t i = 0; i < image->byteCount(); ++i) EXPECT_EQ(image->bits()[i], 0);
}

TEST(Image24, RowsFromTopStartAtTheLastStoredRow) {
    auto image = Image24::Create(2, 3);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->RowFromTop(0), image->bits() + 2 * image->stride());
    EXPECT_EQ(image->RowFromTop(2), image->bits());
}

TEST(Image24, RefusesSizesOutsideTheLimits) {
    EXPECT_FALSE(Image24::Create(0, 10));
    EXPECT_FALSE(Image24::Create(10, -1));
    EXPECT_FALSE(Image24::Create(kMaxImageSide + 1, 1));
    EXPECT_FALSE(Image24::Create(kMaxImageSide, kMaxImageSide));  // over 1 GiB
    EXPECT_TRUE(Image24::Create(kMaxImageSide, 1));
}

}  // namespace
}  // namespace corvane
