// The density bands of refined products (ASTM D1250-80, table 54B) and the
// thermal-expansion coefficient each gives. Densities in kg/m3 at 15 °C; both
// bounds of a band are inside it; between the bands lie gaps.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace corvald::calc {

enum class CoefficientForm {
    plusSecondTerm, // (K0 / rho) / rho + K1 / rho
    minusConstant, // (B / rho) / rho - A
    firstTermOnly, // (K0 / rho) / rho
};

struct ProductBand {
    double from; // kg/m3 at 15 °C, or °API for the bands at 60 °F
    double to; // likewise
    double first; // K0, or B in the transition zone
    double second; // K1, or A in the transition zone; unused for jet fuels
    CoefficientForm form;
    std::string_view name;
};

inline constexpr std::array<ProductBand, 4> kProductBands = { {
    { 654, 770.7, 346.4228, 0.4388, CoefficientForm::plusSecondTerm, "gasolines" },
    { 770.8, 787.4, 2680.3206, 0.00336312, CoefficientForm::minusConstant, "transition zone" },
    { 787.5, 838.4, 594.5418, 0, CoefficientForm::firstTermOnly, "jet fuels" },
    { 838.5, 1074.9, 186.9696, 0.4862, CoefficientForm::plusSecondTerm, "fuel oils" },
} };

// The coefficient (1/°C or 1/°F) of a band's constants at the density rho (kg/m3),
// computed in the order of the table's formula.
double bandCoefficient(CoefficientForm form, double first, double second, double rho);
// Its change per kg/m3 of rho: −2·first / rho³, less second / rho² where it is added.
double bandCoefficientSlope(CoefficientForm form, double first, double second, double rho);

// The first band (in table order) that holds the density, if any.
const ProductBand* productBandOf(double density);

// The band of a density that is no table entry but a solved or measured value: the
// bands are drawn on tenths of a kg/m3, so the density takes the band of its nearest
// tenth (a tie in its 15-digit form to the even digit), which closes the gaps.
const ProductBand* productBandNearest(double density);

// The expansion coefficient (1/°C) of the density's band, computed in the order
// of the table's formula; empty for a density in no band.
std::optional<double> productCoefficient(double density);

} // namespace corvald::calc
