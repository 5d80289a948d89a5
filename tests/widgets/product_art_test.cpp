#include "widgets/product_art.h"

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace linknode {
namespace {

    std::vector<QPixmap> allPictures(qreal dpr)
    {
        std::vector<QPixmap> pictures;
        for (int i = kFirstProductPicture; i <= kLastProductPicture; ++i)
            pictures.push_back(productPicture(i, kProductPictureSize, dpr));
        for (const auto icon : { encryptedPicture, warningPicture, auxPortPicture, ntpPicture,
                 prefixPicture, networkPicture })
            pictures.push_back(icon(kIconSize, dpr));
        return pictures;
    }

    // Only the table's numbers have a product picture, and no two pictures are alike.
    TEST(ProductArtTest, EveryPictureHasTheRequestedSizeOnATransparentGroundAndIsItsOwn)
    {
        for (const qreal dpr : { 1.0, 1.25, 2.0, 4.0 }) {
            const std::vector<QPixmap> pictures = allPictures(dpr);
            std::vector<QImage> images;
            for (size_t i = 0; i < pictures.size(); ++i) {
                SCOPED_TRACE(testing::Message() << "picture " << i << " at dpr " << dpr);
                const QSize logical = i < kLastProductPicture ? kProductPictureSize : kIconSize;
                EXPECT_EQ(pictures[i].size(), logical * dpr);
                EXPECT_EQ(pictures[i].devicePixelRatio(), dpr);
                const QImage image = pictures[i].toImage();
                EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
                int opaque = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        opaque += qAlpha(image.pixel(x, y)) == 255;
                EXPECT_GT(opaque, image.width() * image.height() * 15 / 100);
                for (size_t other = 0; other < images.size(); ++other)
                    EXPECT_NE(image, images[other]) << "alike picture " << other;
                images.push_back(image);
            }
        }
        EXPECT_TRUE(productPicture(0, kProductPictureSize, 1).isNull());
        EXPECT_TRUE(productPicture(16, kProductPictureSize, 1).isNull());
    }

} // namespace
} // namespace linknode
