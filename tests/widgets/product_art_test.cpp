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

    TEST(ProductArtTest, EveryPictureHasTheRequestedSizeOnATransparentGround)
    {
        for (const qreal dpr : { 1.0, 1.25, 2.0, 4.0 }) {
            const std::vector<QPixmap> pictures = allPictures(dpr);
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
            }
        }
    }

    TEST(ProductArtTest, PicturesArePairwiseDistinctAndOnlyTheTableHasThem)
    {
        std::vector<QImage> images;
        for (const QPixmap& picture : allPictures(1.0))
            images.push_back(picture.toImage());
        for (size_t a = 0; a < images.size(); ++a)
            for (size_t b = a + 1; b < images.size(); ++b)
                EXPECT_NE(images[a], images[b]) << "pictures " << a << " and " << b;
        EXPECT_TRUE(productPicture(0, kProductPictureSize, 1).isNull());
        EXPECT_TRUE(productPicture(16, kProductPictureSize, 1).isNull());
    }

} // namespace
} // namespace linknode
