#include "widgets/product_art.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <iostream>
#include <vector>

namespace linknode {
namespace {

    using namespace Qt::StringLiterals;

    using IconArt = QPixmap (*)(QSize, qreal);
    const std::vector<IconArt> kIcons { encryptedPicture, warningPicture, auxPortPicture,
        ntpPicture, prefixPicture, networkPicture };
    const std::vector<qreal> kRatios { 1.0, 1.25, 2.0, 4.0 };

    std::vector<QPixmap> allPictures(qreal dpr)
    {
        std::vector<QPixmap> pictures;
        for (int i = kFirstProductPicture; i <= kLastProductPicture; ++i)
            pictures.push_back(productPicture(i, kProductPictureSize, dpr));
        for (const IconArt icon : kIcons)
            pictures.push_back(icon(kIconSize, dpr));
        return pictures;
    }

    double opaqueShare(const QImage& image)
    {
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) == 255;
        return double(opaque) / (image.width() * image.height());
    }

    TEST(ProductArtTest, EveryPictureHasTheRequestedSizeOnATransparentGround)
    {
        for (const qreal dpr : kRatios) {
            const std::vector<QPixmap> pictures = allPictures(dpr);
            for (size_t i = 0; i < pictures.size(); ++i) {
                SCOPED_TRACE(testing::Message() << "picture " << i << " at dpr " << dpr);
                const QPixmap& picture = pictures[i];
                const QSize logical = i < kLastProductPicture ? kProductPictureSize : kIconSize;
                EXPECT_EQ(picture.size(), logical * dpr);
                EXPECT_EQ(picture.devicePixelRatio(), dpr);
                const QImage image = picture.toImage();
                EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
                EXPECT_GT(opaqueShare(image), 0.15);
            }
        }
    }

    TEST(ProductArtTest, PicturesArePairwiseDistinct)
    {
        std::vector<QImage> images;
        for (const QPixmap& picture : allPictures(1.0))
            images.push_back(picture.toImage());
        for (size_t a = 0; a < images.size(); ++a)
            for (size_t b = a + 1; b < images.size(); ++b)
                EXPECT_NE(images[a], images[b]) << "pictures " << a << " and " << b;
    }

    TEST(ProductArtTest, IndexesOutsideTheTableGiveNoPicture)
    {
        EXPECT_TRUE(productPicture(0, kProductPictureSize, 1).isNull());
        EXPECT_TRUE(productPicture(16, kProductPictureSize, 1).isNull());
    }

    // Every picture at its window size (actual and enlarged 4x without smoothing, to judge
    // the pixels) and drawn at ratio 4, on one sheet for a look by eye.
    TEST(ProductArtTest, ContactSheetForReview)
    {
        const std::vector<QPixmap> small = allPictures(1.0);
        const std::vector<QPixmap> sharp = allPictures(4.0);
        const QSize cell(420, 130);
        constexpr int kColumns = 3;
        const int rows = (int(small.size()) + kColumns - 1) / kColumns;
        QImage sheet(cell.width() * kColumns, cell.height() * rows, QImage::Format_ARGB32);
        sheet.fill(QColor(0xf0, 0xf0, 0xf0));
        QPainter p(&sheet);
        for (int i = 0; i < int(small.size()); ++i) {
            const int left = cell.width() * (i % kColumns);
            const int top = cell.height() * (i / kColumns) + 5;
            p.drawText(left + 4, top + 14, QString::number(i + 1));
            const QImage actual = small[size_t(i)].toImage();
            p.drawImage(left + 30, top, actual);
            p.drawImage(QRect(left + 80, top, actual.width() * 4, actual.height() * 4), actual);
            QImage native = sharp[size_t(i)].toImage();
            native.setDevicePixelRatio(1);
            p.drawImage(left + 250, top, native);
        }
        p.end();
        const QString path = QDir::temp().filePath(u"linknode_product_art.png"_s);
        ASSERT_TRUE(sheet.save(path));
        std::cout << "contact sheet: " << path.toStdString() << '\n';
    }

} // namespace
} // namespace linknode
