// Mouse input goes through the window system layer, as a real pointer's does.
#define QTEST_QPA_MOUSE_HANDLING

#include "TestPalette.h"
#include "ToolBarPictures.h"
#include "ucToolBar.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace {

// The main window's arrangement: separators after buttons 1, 2 and 4.
constexpr int kPictureX[] = {6, 28, 57, 86, 108, 137};
constexpr int kSeparatorX[] = {50, 79, 130};
constexpr int kBarWidth = 300;
constexpr int kBarHeight = 29; // the main window's 435 twips
const QPoint kBackground(24, 14);

QPixmap Solid(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

class ToolBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Bar.setPalette(Palette);
        Bar.resize(kBarWidth, kBarHeight);
        for (int i = 0; i < 6; ++i) {
            Bar.CreateButton(Solid(NormalColor(i)), Solid(DisabledColor(i)),
                             QStringLiteral("Tip %1").arg(i));
            if (i == 1 || i == 2 || i == 4)
                Bar.CreateSeparator();
        }
        Bar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Bar));
    }

    static QColor NormalColor(int i) { return QColor(40 + 30 * i, 200, 90); }
    static QColor DisabledColor(int i) { return QColor(150, 150, 100 + 10 * i); }
    static QPoint Centre(int button) { return QPoint(kPictureX[button] + 8, 14); }
    QImage Grab() { return Bar.grab().toImage(); }

    // The button indexes a spy has recorded since the last call.
    static std::vector<int> Taken(QSignalSpy& spy) {
        std::vector<int> indexes;
        for (const QList<QVariant>& signal : spy)
            indexes.push_back(signal.at(0).toInt());
        spy.clear();
        return indexes;
    }

    static QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

    // Button i's picture in `colour` at its place, or one pixel down and right when `shifted`,
    // with the face just outside its corners.
    void ExpectPicture(const QImage& image, int i, const QColor& colour, bool shifted) const {
        const int x = kPictureX[i] + (shifted ? 1 : 0);
        const int y = shifted ? 7 : 6;
        ExpectColourAt(image, colour, {{x, y}, {x + 15, y + 15}});
        ExpectColourAt(image, Face, {{x - 1, y}, {x + 16, y + 15}, {x, y - 1}, {x + 15, y + 16}});
    }

    // Whether the bevel is drawn around `button`, raised or sunken, judged by the far ends of
    // its four lines (a 23 x 23 square from (l, 3)).
    enum class Bevel { None, Raised, Sunken };
    Bevel BevelAround(const QImage& image, int button) const {
        const int l = kPictureX[button] - 3;
        const QColor ends[] = {At(image, l + 21, 3), At(image, l, 24), At(image, l, 25),
                               At(image, l + 22, 3)};
        if (ends[0] == Light && ends[1] == Light && ends[2] == Shadow && ends[3] == Shadow)
            return Bevel::Raised;
        if (ends[0] == Shadow && ends[1] == Shadow && ends[2] == Light && ends[3] == Light)
            return Bevel::Sunken;
        EXPECT_EQ(ends[0], Face); // the far end; the near one may be a neighbour's bevel
        return Bevel::None;
    }

    const QPalette Palette = DistinctPalette();
    const QColor Face = Palette.color(QPalette::Button);
    const QColor Light = Palette.color(QPalette::Light);
    const QColor Shadow = Palette.color(QPalette::Shadow);
    ucToolBar Bar;
};

TEST_F(ToolBarTest, PicturesSeparatorsAndBorderLieAtTheirPixels) {
    const QImage image = Grab();
    ASSERT_EQ(image.size(), QSize(kBarWidth, kBarHeight));
    for (int i = 0; i < 6; ++i)
        ExpectPicture(image, i, NormalColor(i), false);
    for (const int x : kSeparatorX) {
        for (int y = 2; y <= kBarHeight - 3; ++y) {
            ExpectColourAt(image, Shadow, {{x, y}});
            ExpectColourAt(image, Light, {{x + 1, y}});
        }
        ExpectColourAt(image, Face, {{x, 1}, {x, kBarHeight - 2}, {x - 1, 14}, {x + 2, 14}});
    }
    // Light border at the top and left, dark at the bottom and right.
    ExpectColourAt(image, Light, {{0, 0}, {200, 0}, {0, 20}});
    ExpectColourAt(image, Shadow, {{200, kBarHeight - 1}, {kBarWidth - 1, 10}});
    ExpectColourAt(image, Face, {{200, 1}, {kBarWidth - 2, 10}});

    // Separators keep the length of their creation; the border follows the new size.
    Bar.resize(kBarWidth + 100, 60);
    QTest::qWait(0);
    const QImage resized = Grab();
    ASSERT_EQ(resized.height(), 60);
    ExpectColourAt(resized, Shadow, {{50, 26}, {200, 59}, {kBarWidth + 99, 40}});
    ExpectColourAt(resized, Face, {{50, 27}, {51, 40}, {200, kBarHeight - 1}});
}

enum class Act { Move, Press, Release, RightClick, Leave, Disable, Enable };

// A walk of the pointer and the owner over the bar. After each step: the hover and click events
// it raised, and the one button with a bevel (a pressed one also shifts its picture down and
// right); the disabled button shows its greyed picture.
TEST_F(ToolBarTest, PointerAndOwnerStepsRaiseEventsAndDrawBevelsAndPictures) {
    QSignalSpy hover(&Bar, &ucToolBar::ButtonHover);
    QSignalSpy clicks(&Bar, &ucToolBar::ButtonClick);
    // The owner's handler runs with the bevel and picture as after the release.
    QImage duringClick;
    QObject::connect(&Bar, &ucToolBar::ButtonClick, &Bar, [&] { duringClick = Grab(); });
    using Events = std::vector<int>;
    const std::tuple<Act, QPoint, Events, Events, int, Bevel> steps[] = {
        {Act::Move, kBackground, {}, {}, -1, Bevel::None},
        {Act::Move, Centre(2), {2}, {}, 2, Bevel::Raised},
        {Act::Move, Centre(2) + QPoint(3, 2), {}, {}, 2, Bevel::Raised},
        {Act::Move, Centre(3), {3}, {}, 3, Bevel::Raised},
        {Act::Move, kBackground, {-1}, {}, -1, Bevel::None},
        {Act::Move, kBackground + QPoint(1, 1), {}, {}, -1, Bevel::None},
        // The owner removes the bevel when the pointer leaves the bar, and is told only once.
        {Act::Move, Centre(0), {0}, {}, 0, Bevel::Raised},
        {Act::Leave, {}, {-1}, {}, -1, Bevel::None},
        {Act::Leave, {}, {}, {}, -1, Bevel::None},
        {Act::Move, Centre(1), {1}, {}, 1, Bevel::Raised},
        {Act::Press, Centre(1), {}, {}, 1, Bevel::Sunken},
        {Act::Release, Centre(1), {}, {1}, 1, Bevel::Raised},
        // The pressed picture keeps the pointer while held; a release elsewhere does not click.
        {Act::Press, Centre(0), {0}, {}, 0, Bevel::Sunken},
        {Act::Move, Centre(3), {}, {}, 0, Bevel::Sunken},
        {Act::Release, Centre(3), {}, {}, 0, Bevel::Raised},
        // Presses on the background or with the right button do not click.
        {Act::Press, kBackground, {-1}, {}, -1, Bevel::None},
        {Act::Release, kBackground, {}, {}, -1, Bevel::None},
        {Act::RightClick, Centre(4), {4}, {}, 4, Bevel::Raised},
        // A disabled button neither hovers nor clicks.
        {Act::Disable, Centre(2), {}, {}, 4, Bevel::Raised},
        {Act::Move, Centre(2), {-1}, {}, -1, Bevel::None},
        {Act::Press, Centre(2), {}, {}, -1, Bevel::None},
        {Act::Release, Centre(2), {}, {}, -1, Bevel::None},
        {Act::Enable, Centre(2), {}, {}, -1, Bevel::None},
        {Act::Press, Centre(2) + QPoint(1, 0), {2}, {}, 2, Bevel::Sunken},
        {Act::Release, Centre(2) + QPoint(1, 0), {}, {2}, 2, Bevel::Raised},
        // Disabling the hovered button removes its bevel at once; enabling it brings the bevel
        // back only with the next move over it.
        {Act::Move, Centre(5), {5}, {}, 5, Bevel::Raised},
        {Act::Disable, Centre(5), {-1}, {}, -1, Bevel::None},
        {Act::Enable, Centre(5), {}, {}, -1, Bevel::None},
    };
    int disabled = -1;
    for (const auto& step : steps) {
        const auto& [act, at, hovers, clicked, holder, bevel] = step;
        SCOPED_TRACE(&step - steps);
        // The button under `at`: the pictures wholly left of it.
        const auto button = static_cast<int>(
            std::ranges::count_if(kPictureX, [&](int x) { return x + 16 <= at.x(); }));
        if (act == Act::Leave) {
            Bar.HideMouseOver();
        } else if (act == Act::Disable || act == Act::Enable) {
            Bar.ButtonEnabled(button, act == Act::Enable);
            disabled = act == Act::Enable ? -1 : button;
        } else {
            constexpr QTest::MouseAction kMouse[] = {QTest::MouseMove, QTest::MousePress,
                                                     QTest::MouseRelease, QTest::MouseClick};
            QTest::mouseEvent(kMouse[static_cast<int>(act)], &Bar,
                              act == Act::RightClick ? Qt::RightButton : Qt::LeftButton, {}, at);
        }
        const QImage image = Grab();
        EXPECT_EQ(Taken(hover), hovers);
        EXPECT_EQ(Taken(clicks), clicked);
        EXPECT_TRUE(clicked.empty() || duringClick == image);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(BevelAround(image, i), i == holder ? bevel : Bevel::None) << i;
            ExpectPicture(image, i, i == disabled ? DisabledColor(i) : NormalColor(i),
                          i == holder && bevel == Bevel::Sunken);
        }
    }
}

TEST_F(ToolBarTest, SelectedButtonShowsALightBackdropAndIndexesOutOfRangeChangeNothing) {
    Bar.ButtonSelected(3, true);
    const int l = kPictureX[3] - 3;
    // A 22x22 backdrop from (l, 3): a dark single-line border round a light fill.
    const QColor fill = Palette.color(QPalette::Midlight);
    const QColor border = Palette.color(QPalette::Dark);
    const QImage selected = Grab();
    ExpectColourAt(selected, fill, {{l + 1, 4}, {l + 20, 23}, {l + 2, 14}});
    ExpectColourAt(selected, border, {{l, 3}, {l + 21, 24}});
    EXPECT_EQ(At(selected, l + 22, 14), Face);
    EXPECT_EQ(At(selected, l + 3, 6), NormalColor(3));

    // The backdrop's margin takes the pointer without changing the bevel.
    QSignalSpy hover(&Bar, &ucToolBar::ButtonHover);
    QTest::mouseMove(&Bar, Centre(3));
    QTest::mouseMove(&Bar, QPoint(l + 1, 14));
    EXPECT_EQ(hover.count(), 1);
    EXPECT_EQ(BevelAround(Grab(), 3), Bevel::Raised);

    Bar.ButtonSelected(3, false);
    EXPECT_EQ(At(Grab(), l + 2, 14), Face);

    // Indexes out of range change nothing.
    QTest::mouseMove(&Bar, kBackground);
    const QImage before = Grab();
    for (const int i : {-1, 6}) {
        Bar.ButtonEnabled(i, false);
        Bar.ButtonSelected(i, true);
        EXPECT_FALSE(Bar.ButtonIsSelected(i) || Bar.ButtonIsEnabled(i)) << i;
        EXPECT_TRUE(Bar.ButtonToolTip(i).isEmpty()) << i;
    }
    EXPECT_EQ(Grab(), before);
}

// Asked over the bar, a tip shows for an enabled picture's pixels only; the captions themselves:
// see the main window's test.
TEST_F(ToolBarTest, OnlyEnabledPicturesCarryTheirTooltips) {
    Bar.ButtonEnabled(1, false);
    const std::pair<QPoint, QString> cases[] = {{{6, 6}, "Tip 0"}, {{21, 21}, "Tip 0"},
                                                {{22, 6}, ""},     {{30, 10}, ""},
                                                {{6, 5}, ""},      {Centre(4), "Tip 4"}};
    for (const auto& [at, tip] : cases) {
        QHelpEvent help(QEvent::ToolTip, at, Bar.mapToGlobal(at));
        QApplication::sendEvent(&Bar, &help);
        EXPECT_EQ(help.isAccepted() ? QToolTip::text() : QString(), tip) << at.x() << "," << at.y();
    }
    QToolTip::hideText();
}

bool IsGrey(QRgb pixel) {
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

// Each picture is 16 x 16 with a transparent part and some colour, and no two are alike; the
// greyed twin is the same shape in greys.
TEST(ToolBarPictures, EveryCommandHasItsOwnPictureAndAGreyedTwin) {
    std::vector<QImage> normals;
    for (int i = 0; i < mToolBarPictures::kPictureCount; ++i) {
        SCOPED_TRACE(i);
        const mToolBarPictures::PicturePair pair = mToolBarPictures::LoadPictures(i);
        const QImage normal = pair.Normal.toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage disabled = pair.Disabled.toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(normal.size(), QSize(16, 16));
        ASSERT_EQ(disabled.size(), QSize(16, 16));
        int coloured = 0;
        int clear = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb n = normal.pixel(x, y);
                const QRgb d = disabled.pixel(x, y);
                EXPECT_EQ(qAlpha(n), qAlpha(d)) << x << "," << y;
                EXPECT_TRUE(qAlpha(d) == 0 || IsGrey(d)) << x << "," << y;
                coloured += qAlpha(n) != 0 && !IsGrey(n) ? 1 : 0;
                clear += qAlpha(n) == 0 ? 1 : 0;
            }
        }
        EXPECT_TRUE(coloured > 0 && clear > 0);
        EXPECT_EQ(std::ranges::count(normals, normal), 0);
        normals.push_back(normal);
    }
    EXPECT_TRUE(mToolBarPictures::LoadPictures(-1).Normal.isNull());
    EXPECT_TRUE(mToolBarPictures::LoadPictures(6).Disabled.isNull());
}

} // namespace
