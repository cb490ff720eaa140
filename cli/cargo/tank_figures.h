// One tank of a cargo report: its entry as typed and the figures of a
// surveyor's report, each rounded to its decimals before it enters the next.
#pragma once

#include "cli/cargo/exact_figure.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvald::cli::cargo {

// The texts of one row, without the blanks around them; an optional column left
// out or empty takes its default.
struct TankEntry {
    std::size_t line = 0;
    std::string tank, grade, table, edition;
    std::string tov, freeWater, temperature, density, sw;
};

// Volumes in m3 and masses in t as thousandths; the factor in units of 10^-vcfDecimals.
struct TankFigures {
    Wide tov = 0, freeWater = 0, gov = 0;
    Wide vcf = 0;
    int vcfDecimals = 0;
    Wide gsv = 0, sw = 0, nsv = 0, massVacuum = 0, massAir = 0;
    std::string_view table, edition; // as the tables name them: "54A", "1980"
};

// The largest volume of a tank, m3: twelve digits of thousandths.
inline constexpr double kLargestTankVolume = 999'999'999.999;

// Why a row gives no figures: the input as typed, its unit, and the range it missed.
class TankRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// False for a name that a page or a terminal would not show as it is: one with
// a control character.
bool printable(std::string_view name);

// GOV = TOV − free water, VCF from the table, GSV = GOV × VCF, S&W = GSV × sw / 100,
// NSV = GSV − S&W, masses NSV × density in vacuum and in air; raises TankRefused.
TankFigures tankFigures(const TankEntry& entry);

} // namespace corvald::cli::cargo
