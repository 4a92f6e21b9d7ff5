#include "SiteClimate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cable {
namespace {

TCalcInput Site(double reducedHeight, int terrain, int wind = 2, int ice = 2, double span = 50) {
    TCalcInput in;
    in.ReducedHeight = reducedHeight;
    in.TerrainType = terrain;
    in.WindRegion = wind;
    in.IceRegion = ice;
    in.Span = span;
    return in;
}

TEST(ComputeSiteClimate, DefaultSite) {
    const TSiteClimate s = ComputeSiteClimate(Site(15 - 1.0 / 3.0, 1));
    EXPECT_EQ(s.Kw, 1.0);
    EXPECT_EQ(s.W0, 500);
    EXPECT_EQ(s.WIce, 125);
    EXPECT_EQ(s.AlphaW, 1.0);
    EXPECT_EQ(s.Kl, 1.2);
    EXPECT_EQ(s.Cx, 1.2);
    EXPECT_EQ(s.Kd, 0.95);
    EXPECT_EQ(s.IceWall, 15);
    EXPECT_EQ(s.Ki, 1.0);
}

TEST(ComputeSiteClimate, KwAtAndAroundBandBounds) {
    const double above15 = std::nextafter(15.0, 100.0);
    const double above150 = std::nextafter(150.0, 1000.0);
    struct Case {
        double height;
        double kw[4]; // terrain 0..3
    };
    for (const Case& c : {Case{-10, {0, 1.0, 0.65, 0.4}}, Case{15, {0, 1.0, 0.65, 0.4}},
                          Case{above15, {0, 1.25, 0.85, 0.55}}, Case{20, {0, 1.25, 0.85, 0.55}},
                          Case{40, {0, 1.5, 1.1, 0.8}}, Case{60, {0, 1.7, 1.3, 1.0}},
                          Case{80, {0, 1.85, 1.45, 1.15}}, Case{100, {0, 2.0, 1.6, 1.25}},
                          Case{150, {0, 2.25, 1.9, 1.55}}, Case{above150, {0, 0, 0, 0}}}) {
        for (int terrain = 0; terrain <= 3; ++terrain) {
            EXPECT_EQ(ComputeSiteClimate(Site(c.height, terrain)).Kw, c.kw[terrain])
                << "height " << c.height << ", terrain " << terrain;
        }
    }
}

TEST(ComputeSiteClimate, WindAndIceByRegion) {
    const double w0[] = {0, 400, 500, 650, 800, 1000, 1250, 1500, 0};
    const double wIce[] = {0, 100, 125, 162.5, 200, 250, 312.5, 375, 0};
    const double alphaW[] = {1.0, 1.0, 1.0, 1.0, 1.0, 0.88, 0.83, 0.76, 1.0};
    const double iceWall[] = {0, 10, 15, 20, 25, 30, 35, 40, 0};
    for (int region = 0; region <= 8; ++region) {
        const TSiteClimate s = ComputeSiteClimate(Site(10, 1, region, region));
        EXPECT_EQ(s.W0, w0[region]) << region;
        EXPECT_EQ(s.WIce, wIce[region]) << region;
        EXPECT_EQ(s.AlphaW, alphaW[region]) << region;
        EXPECT_EQ(s.IceWall, iceWall[region]) << region;
    }
}

TEST(ComputeSiteClimate, KlBySpanAndKiByHeight) {
    struct Case {
        double value;
        double expected;
    };
    for (const Case& c : {Case{-5, 1.2}, Case{0, 1.2}, Case{50, 1.2}, Case{50.01, 1.1},
                          Case{100, 1.1}, Case{150, 1.05}, Case{150.5, 1.0}, Case{1e6, 1.0}}) {
        EXPECT_EQ(ComputeSiteClimate(Site(10, 1, 2, 2, c.value)).Kl, c.expected) << c.value;
    }
    for (const Case& c : {Case{-3, 1.0}, Case{25, 1.0}, Case{25.1, 1.4}, Case{30, 1.4},
                          Case{50, 1.6}, Case{70, 1.8}, Case{70.1, 2.0}, Case{500, 2.0}}) {
        EXPECT_EQ(ComputeSiteClimate(Site(c.value, 1)).Ki, c.expected) << c.value;
    }
}

} // namespace
} // namespace cable
