#include "cli/usage.h"

#include "project_identity.h"

namespace corvald::cli {

const std::string_view kVersion = "corvald-calc (CORVALD) " CORVALD_VERSION "\n";

const std::string_view kUsage = R"(Usage:
  corvald-calc --quantity Q --temperature T --density D [--from m3|mt] [--basis vacuum|air] [--json]
  corvald-calc --csv [--from m3|mt] [--basis vacuum|air] [--json] [FILE]
  corvald-calc --product|--product-exact --density D --temperature T [--json]
  corvald-calc --table NAME (--density D | --api G) --temperature T
               [--hydrometer glass|none] [--json]
  corvald-calc --help | --version

Computes the quantity of crude oil at 15 °C as the CORVALD window does
(ASTM D1250-80, generalized crude oils), from the texts an operator would type.

  --quantity Q     volume at the observed temperature in m3 (--from m3, the default)
                   or mass in metric tonnes (--from mt)
  --temperature T  observed temperature in °C, for example -18.0 to 95.0
  --density D      density at 15 °C in vacuum, kg/litre, for example 0.8500
  --from m3|mt     what the quantity is: a volume (m3, default) or a mass (mt)
  --basis vacuum|air
                   which density enters the calculation: in vacuum (default)
                   or in air (0.0011 kg/litre less)
  --json           print JSON: the results as numbers with the digits the window
                   shows (no digit grouping, "-" for negatives), keys density_air,
                   vcf, volume_15, result and result_unit; a rejected input as
                   {"title": ..., "prompt": ...}. With --csv, one object per row
                   (JSON Lines) with the row's line and inputs.
  --csv [FILE]     compute the rows of a CSV file (standard input without FILE
                   or for "-"). Its first line names the columns, in any order:
                   quantity, temperature and density, and optionally from and
                   basis; --from and --basis give the defaults of the columns
                   left out. Quoting as RFC 4180; lines end in LF, CRLF or CR;
                   a field holds at most 100 bytes. One output row per input row:
                   the inputs, density_air, vcf, volume_15 and result without digit
                   grouping, and message (empty when the row was computed). Input
                   texts that start with =, +, -, @, a tab or a CR and are no
                   numbers are written with a leading ' for spreadsheets.
                   On a terminal, standard error shows the rows done and rows/s.
  --product        refined products (ASTM D1250-80, table 54B) on the table grid:
                   --density in kg/m3 at 15 °C; prints the grid density (an even
                   whole number), the grid temperature (quarter degrees) and the
                   factor rounded to four decimals
  --product-exact  refined products on the exact inputs: prints the factor with
                   15 significant digits
  --table NAME     a companion table of ASTM D1250-80:
                   53A, 53B  density at 15 °C from a density observed at T °C
                             (crude oils, refined products); --density in kg/m3
                   54A, 54B  volume correction factor to 15 °C for a --density at
                             15 °C in kg/m3 (54A is the window's factor, 54B the
                             refined-product factor on the exact inputs)
                   5A, 5B    API gravity at 60 °F from an API gravity observed at
                             T °F (crude oils, refined products); --api in °API
                   6A, 6B    volume correction factor to 60 °F for an --api at 60 °F
                   The text names the table on its first line and ends with the
                   result: densities to 0.01 kg/m3, API gravities to 0.01 °API,
                   factors to four decimals. A value outside the table's range
                   is refused with the range: crude oils 610 to 1075 kg/m3 or 0
                   to 100 °API, products 654 to 1074.9 kg/m3 or 0 to 85 °API,
                   -18 to 150 °C, 0 to 300 °F. With --json, one object: table,
                   inputs, band, constants (K0 and K1, or A and B), alpha,
                   result, unit, unrounded, rounded and iterations.
  --api G          API gravity in °API: observed for 5A/5B, at 60 °F for 6A/6B
                   (with --table; --density is kg/m3 there: observed for
                   53A/53B, at 15 °C for 54A/54B; --temperature is °C for
                   tables 53 and 54, °F for tables 5 and 6)
  --hydrometer glass|none
                   tables 53 and 5: glass (the default) corrects a glass
                   hydrometer's reading for the expansion of the glass; none
                   takes a density measured otherwise as it is
  -h, --help       print this help
  -V, --version    print the version

Output: the density in air, the V.C.F., the volume at 15 °C and the mass (or
the volume at the observed temperature), each as the window shows it. Nothing
is written until everything is computed.

Examples of the tables (the last line of each output shown):
  corvald-calc --table 53A --density 779.0 --temperature 25       786.65 kg/m3
  corvald-calc --table 53B --density 1008.0 --temperature 4.5     1001.19 kg/m3
  corvald-calc --table 54A --density 850 --temperature 30         0.9872
  corvald-calc --table 54B --density 700 --temperature 30         0.9799
  corvald-calc --table 5A --api 8.5 --temperature 210             2.28 °API
  corvald-calc --table 5B --api 10.5 --temperature 135            6.74 °API
  corvald-calc --table 6A --api 27.1 --temperature 112.1          0.9775
  corvald-calc --table 6B --api 56.5 --temperature 67.5 --json    0.9950

Exit status: 0 when computed; 1 when the input is rejected (the message,
"corvald-calc: TITLE: PROMPT", goes to standard error; with --csv, when any
row was rejected or malformed, after all rows are written, or when the first
line is not a header; in table mode, when an input is no number, lies outside
the table's range or has no solution) or the output could not be written; 2
for a usage error.
)";

} // namespace corvald::cli
