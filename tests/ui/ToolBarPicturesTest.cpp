#include "ToolBarPictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

bool IsGrey(QRgb pixel) {
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

TEST(ToolBarPictures, EveryCommandHasItsOwnPictureAndAGreyedTwin) {
    std::vector<QImage> normals;
    for (int i = 0; i < mToolBarPictures::kPictureCount; ++i) {
        SCOPED_TRACE(i);
        const mToolBarPictures::PicturePair pair = mToolBarPictures::LoadPictures(i);
        ASSERT_EQ(pair.Normal.size(), QSize(16, 16));
        ASSERT_EQ(pair.Disabled.size(), QSize(16, 16));

        const QImage normal = pair.Normal.toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage disabled = pair.Disabled.toImage().convertToFormat(QImage::Format_ARGB32);
        bool bNormalHasColour = false;
        bool bHasTransparency = false;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb n = normal.pixel(x, y);
                const QRgb d = disabled.pixel(x, y);
                // The greyed picture is the same shape in greys.
                EXPECT_EQ(qAlpha(n), qAlpha(d)) << x << "," << y;
                EXPECT_TRUE(qAlpha(d) == 0 || IsGrey(d)) << x << "," << y;
                bNormalHasColour = bNormalHasColour || (qAlpha(n) != 0 && !IsGrey(n));
                bHasTransparency = bHasTransparency || qAlpha(n) == 0;
            }
        }
        EXPECT_TRUE(bNormalHasColour);
        EXPECT_TRUE(bHasTransparency);
        for (const QImage& other : normals)
            EXPECT_NE(other, normal);
        normals.push_back(normal);
    }
    EXPECT_TRUE(mToolBarPictures::LoadPictures(-1).Normal.isNull());
    EXPECT_TRUE(mToolBarPictures::LoadPictures(6).Disabled.isNull());
}

} // namespace
