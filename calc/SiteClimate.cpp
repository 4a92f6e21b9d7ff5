#include "SiteClimate.h"

#include <array>
#include <limits>
#include <span>

namespace cable {
namespace {

// One row of a band table: values above the previous row's bound up to this bound.
struct TBand {
    double UpperBound;
    double Value;
};

// The bound of a last band written as "above a": it holds every larger value.
constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// Band rule: x lies in the band above a up to b when a < x <= b; the first band holds everything
// up to its bound. A value above the last bound matches no band and gives 0.
double BandValue(std::span<const TBand> bands, double x) {
    for (const TBand& band : bands) {
        if (x <= band.UpperBound) {
            return band.Value;
        }
    }
    return 0;
}

// PUE-7 table 2.5.2: Kw by reduced height, m, for terrain types 1, 2, 3.
constexpr std::array<TBand, 7> kKwOpen = {
    {{15, 1.0}, {20, 1.25}, {40, 1.5}, {60, 1.7}, {80, 1.85}, {100, 2.0}, {150, 2.25}}};
constexpr std::array<TBand, 7> kKwLowObstacles = {
    {{15, 0.65}, {20, 0.85}, {40, 1.1}, {60, 1.3}, {80, 1.45}, {100, 1.6}, {150, 1.9}}};
constexpr std::array<TBand, 7> kKwHighObstacles = {
    {{15, 0.4}, {20, 0.55}, {40, 0.8}, {60, 1.0}, {80, 1.15}, {100, 1.25}, {150, 1.55}}};

// PUE-7 table 2.5.1: W0, Pa, of wind regions 1..7.
constexpr std::array<double, 7> kW0 = {400, 500, 650, 800, 1000, 1250, 1500};

// PUE-7 2.5.52: AlphaW by wind pressure, Pa; every value has one.
constexpr std::array<TBand, 9> kAlphaW = {{{200, 1.0},
                                           {240, 0.94},
                                           {280, 0.88},
                                           {300, 0.85},
                                           {320, 0.83},
                                           {360, 0.8},
                                           {400, 0.76},
                                           {500, 0.71},
                                           {kUnbounded, 0.7}}};

// PUE-7 2.5.52: Kl by span, m.
constexpr std::array<TBand, 4> kKl = {{{50, 1.2}, {100, 1.1}, {150, 1.05}, {kUnbounded, 1.0}}};

// PUE-7 table 2.5.3: IceWall, mm, of ice regions 1..7.
constexpr std::array<double, 7> kIceWall = {10, 15, 20, 25, 30, 35, 40};

// PUE-7 table 2.5.4: Ki by reduced height, m.
constexpr std::array<TBand, 5> kKi = {
    {{25, 1.0}, {30, 1.4}, {50, 1.6}, {70, 1.8}, {kUnbounded, 2.0}}};

double Kw(double reducedHeight, int32_t terrainType) {
    switch (terrainType) {
    case 1:
        return BandValue(kKwOpen, reducedHeight);
    case 2:
        return BandValue(kKwLowObstacles, reducedHeight);
    case 3:
        return BandValue(kKwHighObstacles, reducedHeight);
    default:
        return 0;
    }
}

// Region numbers 1..7 index the table; any other region has no entry.
double ByRegion(const std::array<double, 7>& table, int32_t region) {
    return region >= 1 && region <= 7 ? table[static_cast<size_t>(region - 1)] : 0;
}

} // namespace

TSiteClimate ComputeSiteClimate(const TCalcInput& input) {
    TSiteClimate site;
    site.Kw = Kw(input.ReducedHeight, input.TerrainType);
    site.W0 = ByRegion(kW0, input.WindRegion);
    // WIce, Pa: 0.25 * W0 (PUE-7 2.5.55).
    site.WIce = static_cast<double>(0.25L * site.W0);
    site.AlphaW = BandValue(kAlphaW, site.WIce);
    site.Kl = BandValue(kKl, input.Span);
    site.Cx = 1.2;
    site.Kd = 0.95;
    site.IceWall = ByRegion(kIceWall, input.IceRegion);
    site.Ki = BandValue(kKi, input.ReducedHeight);
    return site;
}

} // namespace cable
