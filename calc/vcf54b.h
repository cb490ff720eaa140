// Volume correction factors of refined products (ASTM D1250-80, table 54B).
#pragma once

#include <optional>
#include <string_view>

namespace corvald::calc {

// On the table grid: Dens (kg/m3) is replaced by its grid density first, then
// the temperature (°C; a number, a text, or empty) goes to the quarter-degree
// grid. The factor is rounded to four decimals; exactly 1 when the grid density
// is in no band. A text that is no number raises TypeMismatch after Dens has
// been replaced.
double VCF_54B(double& Dens, std::optional<double> Temp);
double VCF_54B(double& Dens, std::string_view Temp);

// On the exact inputs: the same bands and correction without any grid or
// rounding; Dens is left unchanged. Exactly 1 for a density in no band.
double VCF54bInterpolerad(double Dens, double Temp);
double VCF54bInterpolerad(double Dens, std::string_view Temp);

} // namespace corvald::calc
