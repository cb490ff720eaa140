// API gravity and the constants of the °F tables (ASTM D1250-80 Tables 5A/6A for
// crude oils, 5B/6B for generalized products). Densities in kg/m3 at 60 °F.
#pragma once

#include "calc/product_bands.h"

#include <array>

namespace corvald::calc {

// The density of water at 60 °F that relative density 60/60 °F refers to.
inline constexpr double kWaterDensityAt60F = 999.016; // kg/m3
inline constexpr double kFahrenheitBase = 60.0; // °F, the base temperature of the °F tables

// API gravity = 141.5 / relative density − 131.5, relative density = density / 999.016.
double relativeDensityOfApi(double api);
double apiOfRelativeDensity(double relativeDensity);
double densityOfApi(double api);
double apiOfDensity(double density);

// The crude-oil constants at 60 °F, alpha in 1/°F with the density in kg/m3.
// Source: MTS Level Plus manual, "API Table Information" (easymanua.ls/mts-systems/
// level-plus/manual?p=8), Crude oils (Table 6A): K0 = 341.0957, K1 = 0.0.
inline constexpr double kCrudeK0At60F = 341.0957;
inline constexpr double kCrudeK1At60F = 0.0;

// The product bands at 60 °F by API gravity, both bounds inside, drawn on tenths of
// a degree API, from the MTS Level Plus manual, "API Table Information", Generalized
// products (Table 6B); in the transition zone the manual
// writes alpha = K1 + K0 / rho², i.e. A = −0.0018684, B = 1489.0670. The bounds are
// in °API.
inline constexpr std::array<ProductBand, 4> kApiProductBands = { {
    // MTS manual, Fuel oil: K0 = 103.8720, K1 = 0.2701, 0.0 to 37.0 °API.
    { 0.0, 37.0, 103.8720, 0.2701, CoefficientForm::plusSecondTerm, "fuel oils" },
    // MTS manual, Jet Group: K0 = 330.3010, K1 = 0.0, 37.1 to 47.9 °API.
    { 37.1, 47.9, 330.3010, 0, CoefficientForm::firstTermOnly, "jet fuels" },
    // MTS manual, Transition Group: K0 = 1489.0670, K1 = −0.0018684, 48.0 to 52.0 °API.
    { 48.0, 52.0, 1489.0670, 0.0018684, CoefficientForm::minusConstant, "transition zone" },
    // MTS manual, Gasolines: K0 = 192.4571, K1 = 0.2438, 52.1 to 85.0 °API.
    { 52.1, 85.0, 192.4571, 0.2438, CoefficientForm::plusSecondTerm, "gasolines" },
} };

// The band of an API gravity: that of its nearest tenth, which closes the gaps; a
// gravity beyond the outer bands keeps the nearest outer band (the tables check the
// range themselves).
const ProductBand& apiProductBandFor(double api);

} // namespace corvald::calc
