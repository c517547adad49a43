#include "ui/splash/splash_window.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "art/pictures.h"
#include "art/preview/picture_image.h"
#include "ui/kit/built_icon_engine.h"
#include "ui/kit/picture_book.h"
#include "ui/kit/rendered_picture.h"

#include "qt_app.h"

namespace korvane::testing {
namespace {

struct SplashWindowTest : QtAppFirst, ::testing::Test {
    ui::SplashWindow splash;
};

TEST_F(SplashWindowTest, HasNoTitleBarStaysOutOfTheTaskBarAndCannotBeResized) {
    const Qt::WindowFlags flags = splash.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::SplashScreen);
    EXPECT_EQ(splash.size(), QSize(456, 232));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
}

TEST_F(SplashWindowTest, DrawsThePictureUnscaledLeavingTheLastColumnInTheWindowColour) {
    const QImage shot = splash.grab().toImage();
    const QColor window = splash.palette().window().color();
    for (int y : {0, 100, 231}) EXPECT_EQ(shot.pixelColor(455, y), window) << y;
    // The bright yellow name sits in the top-left corner of the picture.
    int yellow = 0;
    for (int x = 9; x <= 167; ++x) {
        const QColor c = shot.pixelColor(x, 20);
        if (c.red() > 230 && c.green() > 230 && c.blue() < 60) ++yellow;
    }
    EXPECT_GT(yellow, 10);
}

TEST_F(SplashWindowTest, ClicksKeysAndCloseRequestsDoNothing) {
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_FALSE(splash.close());
    EXPECT_TRUE(splash.isVisible());
}

// A blank image of the skull's size at a device pixel ratio, and the skull drawn into it.
QImage canvas(qreal ratio) {
    QImage image(static_cast<int>(std::ceil(100 * ratio)), static_cast<int>(std::ceil(75 * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

// Pictures are rendered once per device pixel ratio and then copied; a window that moves to a
// screen of another ratio must get a fresh rendering, not a stretched copy of the old one.
TEST(PictureBook, DrawsAsSharpAsTheSourceAtEachRatioItMeets) {
    QtAppFirst app;
    ui::PictureBook book;
    for (const qreal ratio : {1.0, 2.0, 1.5, 1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        QImage fromBook = canvas(ratio);
        {
            QPainter painter(&fromBook);
            book.draw(painter, Picture::Skull, QPoint(0, 0));
        }
        QImage fromSource = canvas(ratio);
        {
            QPainter painter(&fromSource);
            QSvgRenderer(QString::fromLatin1(art::kSkull)).render(&painter, QRectF(0, 0, 100, 75));
        }
        EXPECT_LE(largestDifference(fromBook, fromSource), 2);
    }
}

// What the build rendered is what rendering each SVG gives now, pixel for pixel: a stale or
// lossy image would show on screen. The small icon is drawn from its SVG.
TEST(PictureBook, ThePicturesRenderedAtTheBuildAreTheirSvgsRenderedExactly) {
    QtAppFirst app;
    // The second round reads the splash's pixels again after their memory was given back.
    for (int round : {0, 1}) {
        for (const char* path :
             {art::kBackground, art::kSkull, art::kSplash, art::kTitle, art::kTrafficLight}) {
            SCOPED_TRACE(::testing::Message() << path << " round " << round);
            QSvgRenderer source{QString::fromLatin1(path)};
            const QImage built = ui::renderedAtTheBuild(path, 1.0);
            ASSERT_FALSE(built.isNull());
            EXPECT_EQ(built.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                      art::renderPicture(source, 1.0));
        }
        ui::releaseSplashPixels();
    }
    EXPECT_TRUE(ui::renderedAtTheBuild(art::kTrafficLight16, 1.0).isNull());
    EXPECT_TRUE(ui::renderedAtTheBuild(art::kSplash, 2.0).isNull());
}

// The window icon carries every size the build rendered, each as rendered, and scales between.
TEST(BuiltIconEngine, GivesEveryRenderedSizeAsBuiltAndScalesForOthers) {
    QtAppFirst app;
    const QIcon icon(new ui::BuiltIconEngine);
    QList<QSize> sizes;
    for (int size : art::kIconSizes) {
        sizes.append(QSize(size, size));
        const QImage built = ui::builtPng(QString::fromStdString(art::iconPath(size)));
        EXPECT_EQ(icon.pixmap(size).toImage(), QPixmap::fromImage(built).toImage()) << size;
    }
    EXPECT_EQ(icon.availableSizes(), sizes);
    EXPECT_EQ(icon.pixmap(24).size(), QSize(24, 24));
}

// Reads every PNG of the build as the game does; true when all read and no image plugin loaded.
bool pngsReadWithoutAnImagePlugin() {
    qtApp();
    int read = 0;
    for (const char* path : {art::kBackground, art::kSkull, art::kTitle, art::kTrafficLight}) {
        read += !ui::renderedAtTheBuild(path, 1.0).isNull();
    }
    for (int size : art::kIconSizes) {
        read += !ui::builtPng(QString::fromStdString(art::iconPath(size))).isNull();
    }
    std::ifstream maps("/proc/self/maps");
    const std::string mapped{std::istreambuf_iterator<char>(maps), {}};
    return read == 10 && mapped.find("/imageformats/") == std::string::npos;
}

// Told the format, Qt's PNG reader asks no image plugin about the pictures and icons; checked
// in a fresh process, which no other test has loaded one into.
TEST(PictureBook, ReadingThePngsOfTheBuildLoadsNoImagePlugin) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::_Exit(pngsReadWithoutAnImagePlugin() ? 0 : 1), ::testing::ExitedWithCode(0),
                "");
}

}  // namespace
}  // namespace korvane::testing
