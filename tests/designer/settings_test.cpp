// The settings record: defaults, lists, key filter, limits, outer size.
#include "designer/WispletSettings.h"

#include <gtest/gtest.h>

TEST(WispletSettings, FreshStartValues) {
    const WispletSettings s;
    EXPECT_EQ(s.width, "100");
    EXPECT_EQ(s.height, "100");
    EXPECT_EQ(s.padIn, "0");
    EXPECT_EQ(s.padOut, "0");
    EXPECT_EQ(s.borderWidth, "0");
    EXPECT_EQ(s.borderStyleText(), "none");
    EXPECT_EQ(s.borderColor, "#FFFFFF");
    EXPECT_EQ(s.bgColor, "#FFFFFF");
    EXPECT_EQ(s.alignText(), "Default");
    EXPECT_EQ(s.entrance, 0);
    EXPECT_EQ(s.waiting, "2");
    EXPECT_EQ(s.contentEntrance, 0);
    EXPECT_EQ(s.duration, "1");
    EXPECT_TRUE(s.contentHtml.isEmpty());
    EXPECT_EQ(s.backCategory, 0);
    EXPECT_FALSE(s.autoPreview);
}

TEST(WispletSettings, ListsHoldTheirItemsInOrder) {
    struct Case {
        const QStringList& list;
        int size;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {WispletSettings::alignments(), 4, 2, "Center"},
        {WispletSettings::borderStyles(), 5, 4, "double"},
        {WispletSettings::entrances(), 3, 0, "Slide From Left-Top"},
        {WispletSettings::entrances(), 3, 2, "Slide From Top"},
        {WispletSettings::contentEntrances(), 62, 0, "Doors Opening - Vertical"},
        {WispletSettings::contentEntrances(), 62, 35, "Radial WindowWipe"},
        {WispletSettings::contentEntrances(), 62, 60, "Wheel Wipe "},
        {WispletSettings::contentEntrances(), 62, 61, "ZigZag"},
        {WispletSettings::backCategories(), 5, 0, "Choose Category"},
        {WispletSettings::backCategories(), 5, 4, "personal"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.list.size(), c.size) << c.text;
        EXPECT_EQ(c.list.at(c.index), QString::fromLatin1(c.text));
    }
    // Only the wheel wipe carries a trailing blank.
    for (int i = 0; i < 62; ++i)
        EXPECT_EQ(WispletSettings::contentEntrances().at(i).endsWith(' '), i == 60) << i;
}

TEST(WispletSettings, KeyFilterPassesDigitsAndBackspaceOnly) {
    for (int code = 0; code < 256; ++code) {
        const bool expected = (code >= '0' && code <= '9') || code == 8;
        EXPECT_EQ(numericKeyAllowed(code), expected) << code;
    }
}

TEST(WispletSettings, NumericFieldLimits) {
    struct Expect {
        const char* box;
        const char* spinner;
        int maxLength, max;
    };
    const Expect expected[] = {
        {"WispletWidth", "WidthControl", 3, 999},        {"WispletHeight", "HeightControl", 3, 999},
        {"WispletPadIn", "PadInControl", 1, 9},          {"WispletPadOut", "PadOutControl", 1, 9},
        {"WispletBorderWidth", "BorderWidthControl", 0, 10}, {"WispletWaiting", "WaitControl", 1, 9},
        {"ContentEntranceDur", "DurationControl", 0, 9},
    };
    for (int i = 0; i < 7; ++i) {
        const NumericField& f = numericFields()[i];
        EXPECT_STREQ(f.box, expected[i].box);
        EXPECT_STREQ(f.spinner, expected[i].spinner);
        EXPECT_EQ(f.maxLength, expected[i].maxLength) << f.box;
        EXPECT_EQ(f.spinMin, 0) << f.box;
        EXPECT_EQ(f.spinMax, expected[i].max) << f.box;
    }
}

TEST(WispletSettings, OuterSize) {
    struct Case {
        const char *w, *h, *in, *out, *border;
        std::optional<long long> ow, oh;
    };
    const Case cases[] = {
        {"100", "100", "0", "0", "0", 100, 100},
        {"100", "50", "2", "3", "1", 112, 62},
        {"007", "0", "0", "0", "0", 7, 0},
        {"", "50", "0", "0", "0", std::nullopt, 50},
        {"100", "100", "", "0", "0", std::nullopt, std::nullopt},
        {"100", "100", "0", "0", "99999999", 200000098, 200000098},
        {"1a", "100", "0", "0", "0", std::nullopt, 100},
    };
    for (const Case& c : cases) {
        WispletSettings s;
        s.width = c.w;
        s.height = c.h;
        s.padIn = c.in;
        s.padOut = c.out;
        s.borderWidth = c.border;
        EXPECT_EQ(s.outerWidth(), c.ow) << c.w << " " << c.in << " " << c.out << " " << c.border;
        EXPECT_EQ(s.outerHeight(), c.oh) << c.h;
    }
}

TEST(WispletSettings, BackgroundSuffix) {
    struct Case {
        int category;
        const char* image;
        const char* suffix;
    };
    const Case cases[] = {
        {0, "None", ""}, {0, "sky.jpg", ""}, {1, "sky.jpg", ".jpg"}, {1, "None", ""}, {4, "logo.gif", ".jpg"},
    };
    for (const Case& c : cases) {
        WispletSettings s;
        s.backCategory = c.category;
        s.backImage = c.image;
        EXPECT_EQ(s.backgroundSuffix(), QString::fromLatin1(c.suffix)) << c.category << c.image;
    }
}
