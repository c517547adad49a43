#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "art/pictures.h"

namespace {

using namespace korvane::art;

// Rendering needs a QGuiApplication for the raster paint engine's fonts and colour spaces.
class Pictures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "pictures_test";
            static char* argv[] = {name, nullptr};
            app_ = std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    // Closed here, not at exit: Qt's own statics are gone by then.
    static void TearDownTestSuite() { app_.reset(); }

    // Renders the picture at its own pixel size, as the windows show it.
    static QImage render(const char* path) {
        QSvgRenderer renderer{QString(path)};
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        return image;
    }

    static int brightest(QRgb pixel) {
        return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    }

    // The program lays black text boxes exactly on these rectangles, so the picture must be dark
    // right up to their edges and visibly lighter just past them.
    static void expectDarkExactly(const QImage& image, const QRect& area, int inset) {
        const int midX = area.center().x();
        const int midY = area.center().y();
        const QPoint inside[] = {{area.left(), midY},
                                 {area.right(), midY},
                                 {midX, area.top()},
                                 {midX, area.bottom()},
                                 {area.left() + inset, area.top() + inset},
                                 {area.right() - inset, area.bottom() - inset}};
        for (const QPoint& p : inside) {
            EXPECT_LE(brightest(image.pixel(p)), 16) << "inside at " << p.x() << "," << p.y();
        }
        const QPoint outside[] = {{area.left() - 1, midY},
                                  {area.right() + 1, midY},
                                  {midX, area.top() - 1},
                                  {midX, area.bottom() + 1}};
        for (const QPoint& p : outside) {
            EXPECT_GE(brightest(image.pixel(p)), 48) << "outside at " << p.x() << "," << p.y();
        }
    }

    static void expectBrightYellow(const QImage& image, QPoint p) {
        const QRgb pixel = image.pixel(p);
        EXPECT_GE(qRed(pixel), 240) << "at " << p.x() << "," << p.y();
        EXPECT_GE(qGreen(pixel), 240) << "at " << p.x() << "," << p.y();
        EXPECT_LE(qBlue(pixel), 30) << "at " << p.x() << "," << p.y();
    }

    static bool allOpaque(const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 255) return false;
            }
        }
        return true;
    }

    static bool clearRows(const QImage& image, int fromRow) {
        for (int y = fromRow; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0) return false;
            }
        }
        return true;
    }

    static void expectClearCorners(const QImage& image) {
        const int r = image.width() - 1;
        const int b = image.height() - 1;
        for (const QPoint& p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)}) {
            EXPECT_EQ(qAlpha(image.pixel(p)), 0) << "corner " << p.x() << "," << p.y();
        }
    }

  private:
    static inline std::unique_ptr<QGuiApplication> app_;
};

TEST_F(Pictures, EveryPictureLoadsAtItsPixelSizeAndDrawsSomething) {
    const std::map<std::string, QSize> sizes = {
        {kBackground, {638, 457}}, {kSkull, {100, 75}},       {kSplash, {455, 232}},
        {kTitle, {222, 66}},       {kTrafficLight, {32, 32}}, {kTrafficLight16, {16, 16}}};
    ASSERT_EQ(allPictures().size(), sizes.size());
    for (const char* path : allPictures()) {
        SCOPED_TRACE(path);
        QSvgRenderer renderer{QString(path)};
        ASSERT_TRUE(renderer.isValid());
        ASSERT_EQ(sizes.count(path), 1u);
        EXPECT_EQ(renderer.defaultSize(), sizes.at(path));
        EXPECT_FALSE(clearRows(render(path), 0)) << "nothing was drawn";
    }
}

TEST_F(Pictures, EveryIconSizeIsAPictureRenderedAtTheBuildWithClearCorners) {
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon(QString::fromStdString(iconPath(size)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_FALSE(clearRows(icon, 0)) << "nothing was drawn";
        expectClearCorners(icon);
    }
}

TEST_F(Pictures, TheOverlayPicturesLetTheWindowShowAroundThem) {
    for (const char* path : {kSkull, kTitle, kTrafficLight, kTrafficLight16}) {
        SCOPED_TRACE(path);
        expectClearCorners(render(path));
    }
}

TEST_F(Pictures, TheTitleKeepsItsBottomStripClearForTheSetupBackdrop) {
    // The setup backdrop covers the title's last ten rows while the panel is open.
    EXPECT_TRUE(clearRows(render(kTitle), 56));
}

TEST_F(Pictures, TheWindowBackgroundsAreOpaqueEverywhere) {
    EXPECT_TRUE(allOpaque(render(kBackground)));
    EXPECT_TRUE(allOpaque(render(kSplash)));
}

// The windows show these at 1x in place of the SVG: a stale or lossy image would change them.
TEST_F(Pictures, ThePicturesRenderedAtTheBuildMatchTheirSvgPixelForPixel) {
    for (const char* path : {kBackground, kSkull, kSplash, kTitle, kTrafficLight}) {
        SCOPED_TRACE(path);
        QSvgRenderer renderer{QString(path)};
        QImage drawn(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        renderer.render(&painter, QRectF(QPointF(0, 0), renderer.defaultSize()));
        painter.end();
        const QImage built(QString::fromStdString(renderedPath(path)));
        EXPECT_EQ(built.convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
    }
    EXPECT_TRUE(renderedPath(kTrafficLight16).empty());
}

TEST_F(Pictures, TheOverheadBoardIsDarkExactlyWhereTheTimeDisplaysSit) {
    expectDarkExactly(render(kBackground), QRect(QPoint(72, 14), QPoint(353, 91)), 5);
}

TEST_F(Pictures, TheBoardStaysDarkRoundTheCornersOfTheDisplaysNearItsOwnCorners) {
    // The one-pixel margins beside the top corners of the time displays (73..352 x 16..) and
    // the bottom corner of the player's winner flag (..352 x ..90), where the board's own
    // rounding comes closest.
    const QImage background = render(kBackground);
    for (const QPoint& p :
         {QPoint(72, 16), QPoint(72, 17), QPoint(73, 15), QPoint(353, 16), QPoint(353, 17),
          QPoint(352, 15), QPoint(353, 89), QPoint(353, 90), QPoint(352, 91), QPoint(351, 91)}) {
        EXPECT_LE(brightest(background.pixel(p)), 16) << "at " << p.x() << "," << p.y();
    }
}

TEST_F(Pictures, TheCounterPanelsAreDarkExactlyWhereTheWinCountersSit) {
    const QImage background = render(kBackground);
    expectDarkExactly(background, QRect(QPoint(456, 332), QPoint(610, 363)), 0);
    expectDarkExactly(background, QRect(QPoint(456, 370), QPoint(610, 401)), 0);
}

TEST_F(Pictures, TheSplashLetteringIsBrightYellowAtBothEndsOfEachLine) {
    const QImage splash = render(kSplash);
    // The name: the stem of its K, the lower bowl and the right side of its e.
    expectBrightYellow(splash, {14, 20});
    expectBrightYellow(splash, {149, 27});
    expectBrightYellow(splash, {164, 22});
    // The byline: the stem of its B and of its final l.
    expectBrightYellow(splash, {250, 218});
    expectBrightYellow(splash, {440, 218});
}

}  // namespace
