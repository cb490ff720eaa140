#include "calc/edition1980/tables_1980.h"

#include "calc/edition1980/companion_table.h"
#include "calc/tables/api_gravity.h"
#include "calc/vcf53a.h"
#include "calc/volume_correction.h"

#include <array>

namespace corvald::calc::edition1980 {

namespace {

    using namespace tables;

    // Readings and the values at the base temperature are reported to 0.1 kg/m3 and
    // 0.1 °API. source: kHydrometerReporting
    constexpr int kReportedDecimals = 1;

    double same(double density) { return density; }

    constexpr TableScale kCelsius { "15 °C", kBaseTemperature, kMetricTemperatureRange,
        glassFactorCelsius, "1/°C" };
    constexpr TableScale kFahrenheit { "60 °F", kFahrenheitBase, kFahrenheitTemperatureRange,
        glassFactorFahrenheit, "1/°F" };
    constexpr TableQuantity kDensity { "density", "kg/m3", kReportedDecimals, same, same };
    constexpr TableQuantity kApiGravity { "API gravity", "°API", kReportedDecimals, densityOfApi,
        apiOfDensity };

    // The crude oils' one band at 15 °C is the window's own; at 60 °F its constants
    // are those of Table 6A.
    constexpr std::array<ProductBand, 1> kCrudeAt15C { { { kCrudeLowestDensity,
        kCrudeHighestDensity, kCrudeK0, kCrudeK1, CoefficientForm::plusSecondTerm,
        "crude oils" } } };
    constexpr std::array<ProductBand, 1> kCrudeAt60F { { { kCrudeApiRange.lowest,
        kCrudeApiRange.highest, kCrudeK0At60F, kCrudeK1At60F, CoefficientForm::plusSecondTerm,
        "crude oils" } } };

    constexpr std::string_view kCrudeOils = "generalized crude oils";
    constexpr std::string_view kProducts = "generalized products";

    constexpr CompanionTable k53A { "53A", kCrudeOils, kCelsius, kDensity, kCrudeDensityRange,
        kCrudeAt15C, {} };
    constexpr CompanionTable k53B { "53B", kProducts, kCelsius, kDensity, kProductDensityRange,
        kProductBands, {} };
    constexpr CompanionTable k54A { "54A", kCrudeOils, kCelsius, kDensity, kCrudeDensityRange,
        kCrudeAt15C, {} };
    constexpr CompanionTable k54B { "54B", kProducts, kCelsius, kDensity, kProductDensityRange,
        kProductBands, {} };
    constexpr CompanionTable k5A { "5A", kCrudeOils, kFahrenheit, kApiGravity, kCrudeApiRange,
        kCrudeAt60F, kApiTemperatureLimits };
    constexpr CompanionTable k5B { "5B", kProducts, kFahrenheit, kApiGravity, kProductApiRange,
        kApiProductBands, kApiTemperatureLimits };
    constexpr CompanionTable k6A { "6A", kCrudeOils, kFahrenheit, kApiGravity, kCrudeApiRange,
        kCrudeAt60F, kApiTemperatureLimits };
    constexpr CompanionTable k6B { "6B", kProducts, kFahrenheit, kApiGravity, kProductApiRange,
        kApiProductBands, kApiTemperatureLimits };

    constexpr std::array<TableEntry, 8> kTables { readingEntry<k53A>(), readingEntry<k53B>(),
        factorEntry<k54A>(), factorEntry<k54B>(), readingEntry<k5A>(), readingEntry<k5B>(),
        factorEntry<k6A>(), factorEntry<k6B>() };

} // namespace

std::span<const TableEntry> companionTables() { return kTables; }

} // namespace corvald::calc::edition1980
