// The strip's measures, keeping it on screen, and where each box goes beside it, in twips.
#include <gtest/gtest.h>

#include "mainwindow/WindowGeometry.h"

namespace orbilo::test {
namespace {

constexpr int kScreenWidth = 15360;   // 1024 pixels at 96 dpi
constexpr int kScreenHeight = 11520;  // 768 pixels
constexpr int kStripHeight = 285;

TEST(WindowGeometryTest, StripMeasuresFollowTheScreensTwipsPerPixel) {
    const struct {
        double dpi;
        int narrow;
        int wide;
        int height;
    } cases[] = {
        // 277, 726 and 19 pixels at 15 twips each.
        {96.0, 4155, 10890, 285},
        // 346, 907 and 24 pixels at 12 twips each: every control rounds to whole pixels.
        {120.0, 4152, 10884, 288},
        // 416, 1090 and 29 pixels at 10 twips each.
        {144.0, 4160, 10900, 290},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const StripMeasures measures = MeasureStrip(c.dpi, c.dpi);
        EXPECT_EQ(measures.narrowWidth, c.narrow);
        EXPECT_EQ(measures.wideWidth, c.wide);
        EXPECT_EQ(measures.stripHeight, c.height);
    }
}

TEST(WindowGeometryTest, KeepOnScreenPullsTheStripInsideItsMargins) {
    const int narrow = 4155;
    const int wide = 10890;
    const struct {
        const char* name;
        TwipsPoint from;
        int width;
        TwipsPoint to;
    } cases[] = {
        {"inside stays", {3000, 4000}, narrow, {3000, 4000}},
        {"left of the screen", {-300, 500}, narrow, {0, 500}},
        {"above the screen", {500, -20}, narrow, {500, 0}},
        {"both at once", {-1, -1}, wide, {0, 0}},
        // 480 twips stay free at the right edge, 600 below.
        {"against the right edge", {12000, 100}, narrow, {kScreenWidth - narrow - 480, 100}},
        {"right edge with the Add URL box", {5000, 100}, wide, {kScreenWidth - wide - 480, 100}},
        {"exactly at the right limit",
         {kScreenWidth - narrow - 480, 100},
         narrow,
         {kScreenWidth - narrow - 480, 100}},
        {"below the lower limit", {100, 11000}, narrow, {100, kScreenHeight - kStripHeight - 600}},
        {"far beyond both",
         {40000, 40000},
         narrow,
         {kScreenWidth - narrow - 480, kScreenHeight - kStripHeight - 600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TwipsPoint kept = KeepOnScreen(c.from, c.width, kStripHeight, kScreenWidth, kScreenHeight);
        EXPECT_EQ(kept.left, c.to.left);
        EXPECT_EQ(kept.top, c.to.top);
    }
}

TEST(WindowGeometryTest, AddUrlToggleKeeps480TwipsBeforeTheRightEdge) {
    const int wide = 10890;
    // The window at screen width - 1000 with the box about to show: its right edge ends up 480
    // twips inside the screen.
    const int left = LeftAfterAddUrlToggle(kScreenWidth - 1000, wide, kScreenWidth);
    EXPECT_EQ(left + wide, kScreenWidth - 480);
    EXPECT_EQ(LeftAfterAddUrlToggle(0, wide, kScreenWidth), 0);
    EXPECT_EQ(LeftAfterAddUrlToggle(3990, wide, kScreenWidth), 3990);
    // Narrowing never moves the strip.
    EXPECT_EQ(LeftAfterAddUrlToggle(10000, 4155, kScreenWidth), 10000);
}

TEST(WindowGeometryTest, AddToListFormGoesAboveTheStripWhenItFitsElseBelow) {
    const struct {
        const char* name;
        int box;
        int stripTop;
        int top;
    } cases[] = {
        // Add To List: cancel row at 6360, so the form is 6360 + 480 + 120 = 6960 high.
        {"strip at the top: below", 0, 0, 0 + kStripHeight + 120},
        {"strip at the bottom: above", 0, 10635, 10635 - 6960 - 120},
        {"height + 120 equal to the strip's top: below", 0, 7080, 7080 + kStripHeight + 120},
        {"one twip more room: above", 0, 7081, 1},
        // Open: cancel row at 4200, 4800 high.
        {"Open fits above sooner", 1, 5000, 5000 - 4800 - 120},
        {"Open at the top: below", 1, 4920, 4920 + kStripHeight + 120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BrowseLayout layout = PlaceBrowse(c.box, {700, c.stripTop}, kStripHeight);
        EXPECT_EQ(layout.top, c.top);
        EXPECT_EQ(layout.left, 700);
    }
}

TEST(WindowGeometryTest, AddToListFormFramesFollowTheBox) {
    const BrowseLayout add = PlaceBrowse(0, {0, 0}, kStripHeight);
    EXPECT_EQ(add.title, "Add To List");
    EXPECT_EQ(add.backCaption, "Add To List :");
    EXPECT_TRUE(add.addFramesVisible);
    EXPECT_FALSE(add.selectVisible);
    EXPECT_EQ(add.cancelTop, 6360);
    EXPECT_EQ(add.height, 6960);
    EXPECT_EQ(add.option, 0);

    const BrowseLayout open = PlaceBrowse(1, {0, 0}, kStripHeight);
    EXPECT_EQ(open.title, "Open");
    EXPECT_EQ(open.backCaption, "Open :");
    EXPECT_FALSE(open.addFramesVisible);
    EXPECT_TRUE(open.selectVisible);
    EXPECT_EQ(open.cancelTop, 4200);
    EXPECT_EQ(open.height, 4800);
    EXPECT_EQ(open.option, 1);
}

ChooseRequest Request(int box, std::array<bool, 4> filled = {true, false, false, false}, bool picture = false,
                      int siblingLast = 0) {
    ChooseRequest request;
    request.box = box;
    request.groupFilled = filled;
    request.userPicture = picture;
    request.siblingLast = siblingLast;
    request.strip = {600, 0};
    request.stripHeight = kStripHeight;
    request.screenHeight = kScreenHeight;
    return request;
}

TEST(WindowGeometryTest, OpenFromListStacksOnlyTheFilledGroupsFrom240) {
    const struct {
        const char* name;
        std::array<bool, 4> filled;
        std::array<int, 4> tops;  // -1: hidden
        int height;
    } cases[] = {
        // H = (shown - 1) * 1560 + 240 + 1440 + 120; the cancel row adds 480 + 120.
        {"only Web Site items", {false, false, false, true}, {-1, -1, -1, 240}, 1800 + 600},
        {"all four groups", {true, true, true, true}, {240, 1800, 3360, 4920}, 6480 + 600},
        {"Program and Folder", {true, false, true, false}, {240, -1, 1800, -1}, 3360 + 600},
        {"File and Web Site", {false, true, false, true}, {-1, 240, -1, 1800}, 3360 + 600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChooseLayout layout = PlaceChoose(Request(2, c.filled)).layout;
        for (std::size_t g = 0; g < 4; ++g) {
            EXPECT_EQ(layout.groupVisible[g], c.tops[g] != -1) << g;
            if (c.tops[g] != -1) {
                EXPECT_EQ(layout.groupTop[g], c.tops[g]) << g;
            }
        }
        EXPECT_EQ(layout.height, c.height);
        EXPECT_TRUE(layout.cancelVisible);
        EXPECT_EQ(layout.cancelCaption, "Cancel");
        EXPECT_EQ(layout.cancelTop, c.height - 600);
        EXPECT_EQ(layout.title, "List");
    }
}

TEST(WindowGeometryTest, ListFormHeightsTitlesAndCancelRowPerBox) {
    const struct {
        const char* name;
        int box;
        bool picture;
        int siblingLast;
        const char* title;
        int height;
        bool cancel;
        const char* caption;
        int cancelTop;
        bool user;
    } cases[] = {
        // Run: FrameRun is SiblingLast * 240 + 615 high; H = that + 360; no cancel row.
        {"Run, one sibling", 3, false, 0, "Korrin's Program", 975, false, "", 975, false},
        {"Run, three siblings", 3, false, 2, "Korrin's Programs", 1455, false, "", 1455, false},
        {"Preferences", 4, false, 0, "Options", 2760, false, "", 2760, false},
        {"Help", 5, false, 0, "Help", 2520 + 600, true, "Hide", 2520, false},
        {"Code List", 6, false, 0, "Code", 6240 + 600, true, "Hide", 6240, false},
        // With a user picture: FrameUser (1920 high) at H below Run, Preferences and Help; the
        // Help box's Hide moves down by 1440; Code List and Open From List are unchanged.
        {"Run with a picture", 3, true, 0, "Korrin's Program", 975 + 2040, false, "", 975 + 1440, true},
        {"Preferences with a picture", 4, true, 0, "Options", 2760 + 2040, false, "", 2760 + 1440, true},
        {"Help with a picture", 5, true, 0, "Help", 2520 + 2040, true, "Hide", 2520 + 1440, true},
        {"Code List with a picture", 6, true, 0, "Code", 6240 + 600, true, "Hide", 6240, false},
        {"Open From List with a picture", 2, true, 0, "List", 1800 + 600, true, "Cancel", 1800, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChooseLayout layout =
            PlaceChoose(Request(c.box, {true, false, false, false}, c.picture, c.siblingLast)).layout;
        EXPECT_EQ(layout.title, c.title);
        EXPECT_EQ(layout.height, c.height);
        EXPECT_EQ(layout.cancelVisible, c.cancel);
        if (c.cancel) {
            EXPECT_EQ(layout.cancelCaption, c.caption);
        }
        EXPECT_EQ(layout.cancelTop, c.cancelTop);
        EXPECT_EQ(layout.userVisible, c.user);
        if (c.user) {
            EXPECT_EQ(layout.userTop, c.cancelTop - 1440);
        }
        EXPECT_EQ(layout.runVisible, c.box == 3);
        EXPECT_EQ(layout.optionsVisible, c.box == 4);
        EXPECT_EQ(layout.helpVisible, c.box == 5);
        EXPECT_EQ(layout.commandVisible, c.box == 6);
        EXPECT_EQ(layout.groupVisible[0], c.box == 2);
    }
}

TEST(WindowGeometryTest, ListFormGoesBelowTheStripOrToTheTopWithTheStripBelowIt) {
    // Open From List with one group: 2400 high. Below the strip while its top is less than
    // 11520 - (285 + 2400 + 120) = 8715.
    const struct {
        const char* name;
        int stripTop;
        int formTop;
        int stripTopAfter;
    } cases[] = {
        {"strip at the top", 0, 0 + kStripHeight + 120, 0},
        {"last place below", 8714, 8714 + kStripHeight + 120, 8714},
        {"at the limit: to the top", 8715, 0, 2400 + 120},
        {"near the bottom", 10635, 0, 2400 + 120},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChooseRequest request = Request(2);
        request.strip = {600, c.stripTop};
        const ChoosePlacement placement = PlaceChoose(request);
        EXPECT_EQ(placement.layout.top, c.formTop);
        EXPECT_EQ(placement.layout.left, 600);
        EXPECT_EQ(placement.strip.top, c.stripTopAfter);
        EXPECT_EQ(placement.strip.left, 600);
    }
}

}  // namespace
}  // namespace orbilo::test
