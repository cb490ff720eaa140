// API gravity and the constants of the °F tables (ASTM D1250-80 Tables 5A/6A for
// crude oils, 5B/6B for generalized products). Densities in kg/m3 at 60 °F.
#pragma once

#include "calc/product_bands.h"

#include <array>

namespace corvald::calc::tables {

// The density of water at 60 °F that relative density 60/60 °F refers to.
inline constexpr double kWaterDensityAt60F = 999.016; // kg/m3
inline constexpr double kFahrenheitBase = 60.0; // °F, the base temperature of the °F tables

// API gravity = 141.5 / relative density − 131.5, relative density = density / water's.
double relativeDensityOfApi(double api);
double apiOfRelativeDensity(double relativeDensity);
double densityOfApi(double api);
double apiOfDensity(double density);

// The crude-oil constants at 60 °F, alpha in 1/°F with the density in kg/m3.
// source: kMtsLevelPlus (Table 6A)
inline constexpr double kCrudeK0At60F = 341.0957;
inline constexpr double kCrudeK1At60F = 0.0;

// The product bands at 60 °F by API gravity, both bounds inside, drawn on tenths of
// a degree API; in the transition zone alpha = K1 + K0 / rho² with K1 negative, i.e.
// A = −K1 and B = K0. source: kMtsLevelPlus (Table 6B)
inline constexpr std::array<ProductBand, 4> kApiProductBands = { {
    { 0.0, 37.0, 103.8720, 0.2701, CoefficientForm::plusSecondTerm, "fuel oils" },
    { 37.1, 47.9, 330.3010, 0, CoefficientForm::firstTermOnly, "jet fuels" },
    { 48.0, 52.0, 1489.0670, 0.0018684, CoefficientForm::minusConstant, "transition zone" },
    { 52.1, 85.0, 192.4571, 0.2438, CoefficientForm::plusSecondTerm, "gasolines" },
} };

} // namespace corvald::calc::tables
