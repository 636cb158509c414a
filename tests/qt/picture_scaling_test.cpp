#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include "ui/qt/picture_label.h"

namespace zelvo {
namespace {

const QList<QRgb> kColours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                              qRgb(255, 255, 255)};

// A picture of 2 × 2 pixels, each of its own colour.
QPixmap FourColours() {
    QImage image(2, 2, QImage::Format_RGB32);
    for (int i = 0; i < 4; ++i) {
        image.setPixel(i % 2, i / 2, kColours[i]);
    }
    return QPixmap::fromImage(image);
}

// `picture` drawn over `target` (logical pixels) on a device of `ratio` device pixels
// to the logical one, `logical` logical pixels large.
QImage Drawn(const QPixmap& picture, const QRectF& target, qreal ratio, QSize logical) {
    QImage device(logical * ratio, QImage::Format_RGB32);
    device.fill(Qt::black);
    device.setDevicePixelRatio(ratio);
    QPainter painter(&device);
    DrawPicture(painter, picture, target);
    painter.end();
    return device;
}

}  // namespace

class PictureScalingTest : public QObject {
    Q_OBJECT

  private slots:
    // At 100 %, 200 % and 300 % each picture pixel becomes a whole block of device
    // pixels of exactly its colour.
    void wholeRatiosKeepEveryPicturePixelCrisp() {
        for (const int ratio : {1, 2, 3}) {
            const QImage device = Drawn(FourColours(), QRectF(0, 0, 2, 2), ratio, QSize(2, 2));
            for (int y = 0; y < device.height(); ++y) {
                for (int x = 0; x < device.width(); ++x) {
                    QCOMPARE(device.pixel(x, y), kColours[(y / ratio) * 2 + x / ratio]);
                }
            }
        }
    }

    // Stretched over twice its width at 200 %, it still shows only its own colours.
    void aStretchedPictureAtAWholeRatioStaysCrisp() {
        const QImage device = Drawn(FourColours(), QRectF(0, 0, 4, 2), 2, QSize(4, 2));
        for (int y = 0; y < device.height(); ++y) {
            for (int x = 0; x < device.width(); ++x) {
                QCOMPARE(device.pixel(x, y), kColours[(y / 2) * 2 + x / 4]);
            }
        }
    }

    // At 150 % a picture pixel cannot cover whole device pixels: the middle one, shared
    // by all four, is a blend of them rather than one of them.
    void aFractionalRatioScalesSmoothly() {
        const QImage device = Drawn(FourColours(), QRectF(0, 0, 2, 2), 1.5, QSize(2, 2));
        QCOMPARE(device.size(), QSize(3, 3));
        QVERIFY(!kColours.contains(device.pixel(1, 1)));
        QCOMPARE(device.pixel(0, 0), kColours[0]);
    }
};

}  // namespace zelvo

QTEST_MAIN(zelvo::PictureScalingTest)
#include "picture_scaling_test.moc"
