// The program's icon, compiled into the resources, renders through Qt's SVG
// icon engine at the sizes a desktop asks for.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// Share of the pixels that are drawn (not transparent).
double drawnShare(const QImage &image)
{
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += qAlpha(image.pixel(x, y)) > 0;
    return double(drawn) / (image.width() * image.height());
}

TEST(AppIcon, RendersAtDesktopSizes)
{
    const QIcon icon(QStringLiteral(":/icons/pendrel.svg"));
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 48, 256}) {
        const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.width(), size) << size;
        // A page seen whole: most of the square is drawn, its corners are not.
        EXPECT_GT(drawnShare(image), 0.5) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0) << size;
    }
}

} // namespace
