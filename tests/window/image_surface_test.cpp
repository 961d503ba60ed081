// The image surface on real pixels: filled boxes, ellipses with aspect, the area drawn, logical
// coordinates on a high-DPI image.
#include "toolkit/image_surface.h"

#include <gtest/gtest.h>

#include <QImage>

namespace cw {
namespace {

QImage Canvas(int w = 100, int h = 100, QColor fill = QColor(0, 128, 0)) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// The horizontal and vertical extent of the pixels that differ from the background.
QRect PaintedExtent(const QImage& image, QRgb background) {
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

TEST(ImageSurfacePixels, SolidBoxIsFilledAndOutlinedWithThePen) {
    QImage image = Canvas();
    ImageSurface s(&image);
    s.SetForeColor({0, 0, 0});
    s.SetFillColor({255, 0, 0});
    s.SetFillStyle(kFillSolid);
    s.SetDrawWidth(1);
    s.Box(10, 10, 50, 40);
    EXPECT_EQ(image.pixel(30, 25), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(10, 25), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 25), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30, 40), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(60, 25), qRgb(0, 128, 0));

    QImage hollow = Canvas();
    ImageSurface h(&hollow);
    h.SetFillStyle(kFillNone);
    h.Box(10, 10, 50, 40);
    EXPECT_EQ(hollow.pixel(30, 25), qRgb(0, 128, 0));
}

TEST(ImageSurfacePixels, CircleWithAspectBelowOneIsFlattened) {
    QImage image = Canvas(200, 200);
    ImageSurface s(&image);
    s.SetDrawWidth(1);
    s.SetForeColor({0, 0, 0});
    s.Circle(100, 100, 40, 0.5);
    const QRect extent = PaintedExtent(image, qRgb(0, 128, 0));
    EXPECT_NEAR(extent.width(), 81, 2);
    EXPECT_NEAR(extent.height(), 41, 2);
    EXPECT_NEAR(extent.center().x(), 100, 1);
    EXPECT_NEAR(extent.center().y(), 100, 1);
}

TEST(ImageSurfacePixels, TakeDrawnReportsWhatChanged) {
    QImage image = Canvas();
    ImageSurface s(&image);
    s.SetDrawWidth(1);
    s.Line(20, 20, 40, 30);
    const QRect drawn = s.TakeDrawn();
    EXPECT_TRUE(drawn.contains(QPoint(20, 20)));
    EXPECT_TRUE(drawn.contains(QPoint(40, 30)));
    EXPECT_TRUE(s.TakeDrawn().isEmpty());
}

TEST(ImageSurfacePixels, HighDpiImagesDrawInLogicalPixels) {
    QImage image(200, 200, QImage::Format_RGB32);
    image.setDevicePixelRatio(2.0);
    image.fill(QColor(0, 128, 0));
    ImageSurface s(&image);
    EXPECT_EQ(s.ScaleWidth(), 100);
    s.SetDrawWidth(1);
    s.SetForeColor({0, 0, 0});
    s.Line(10, 50, 90, 50);
    const QRect extent = PaintedExtent(image, qRgb(0, 128, 0));
    EXPECT_NEAR(extent.left(), 20, 1);
    EXPECT_NEAR(extent.right(), 180, 2);
    EXPECT_LE(extent.height(), 3);  // sharp, not a blurred scaled-up line
}

}  // namespace
}  // namespace cw
