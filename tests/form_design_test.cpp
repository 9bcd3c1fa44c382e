#include "form_design.h"

#include <gtest/gtest.h>

namespace design = quiz::design;

namespace {

constexpr design::Rgb Black {0, 0, 0};
constexpr design::Rgb White {255, 255, 255};

bool operator==(design::Rgb a, design::Rgb b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// Text on any background the list may take: the desktop's caption colour.
TEST(FormDesign, TextStandsOutOnEveryBackground)
{
    struct Case
    {
        const char *what;
        design::Rgb background;
        double againstBlack;
        double againstWhite;
        design::Rgb text;
    };
    const Case cases[] = {
        {"bright green", {0, 255, 0}, 15.30, 1.37, Black},
        {"green", {0, 192, 0}, 8.54, 2.46, Black},
        {"magenta", {255, 0, 255}, 6.70, 3.14, Black},
        {"red", {255, 0, 0}, 5.25, 4.00, Black},
        {"the darker of two near greys", {118, 118, 118}, 4.62, 4.54, Black},
        {"Windows 7 and later, active caption", {153, 180, 209}, 9.80, 2.14, Black},
        {"Windows 10 accent blue", {0, 120, 215}, 4.67, 4.50, Black},
        {"Windows 95 to 2000, active caption", {0, 0, 128}, 1.31, 16.01, White},
        {"black", Black, 1.0, 21.0, White},
    };
    for (const Case &c : cases) {
        EXPECT_NEAR(design::contrastRatio(c.background, Black), c.againstBlack, 0.005) << c.what;
        EXPECT_NEAR(design::contrastRatio(c.background, White), c.againstWhite, 0.005) << c.what;
        const design::Rgb text = design::readableTextOn(c.background);
        EXPECT_TRUE(text == c.text) << c.what;
        EXPECT_GE(design::contrastRatio(c.background, text), 4.5) << c.what;
    }
}

} // namespace
