#pragma once

#include "CalcInput.h"

namespace cable {

// Climatic coefficients of the site, PUE-7 chapter 2.5 notation. A coefficient that no table row
// covers stays 0 and removes its load (Kw or W0: no wind; IceWall: no ice).
struct TSiteClimate {
    double Kw = 0;      // wind pressure coefficient for height and terrain
    double W0 = 0;      // Pa, normative wind pressure of the wind region
    double WIce = 0;    // Pa, wind pressure together with ice
    double AlphaW = 0;  // wind pressure non-uniformity coefficient
    double Kl = 0;      // span length coefficient
    double Cx = 0;      // drag coefficient
    double Kd = 0;      // ice wall coefficient for the cable diameter
    double IceWall = 0; // mm, normative ice wall thickness
    double Ki = 0;      // ice wall coefficient for height
};

// Pure; no input makes it fail.
TSiteClimate ComputeSiteClimate(const TCalcInput& input);

} // namespace cable
