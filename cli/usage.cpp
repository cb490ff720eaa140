#include "cli/usage.h"

#include "cli/table_usage.h"
#include "project_identity.h"

namespace corvald::cli {

const std::string_view kVersion = "corvald-calc (CORVALD) " CORVALD_VERSION "\n";

namespace {

    constexpr std::string_view kUsageBeforeTables = R"(Usage:
  corvald-calc --quantity Q --temperature T --density D [--from m3|mt] [--basis vacuum|air] [--json]
  corvald-calc --csv [--from m3|mt] [--basis vacuum|air] [--json] [FILE]
  corvald-calc --product|--product-exact --density D --temperature T [--json]
  corvald-calc --table NAME (--density D | --api G) --temperature T
               [--hydrometer glass|none] [--decimals N] [--json]
  corvald-calc --edition 2004 --table NAME (--density D | --api G | --relative-density R)
               --temperature T [--pressure P] [--alpha A] [--exact] [--json]
  corvald-calc --cargo [--csv | --json] [FILE]
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
  --table NAME     a table by its name: of ASTM D1250-80, or with
                   --edition 2004 of the 2004 edition (each table below
                   with its edition):

)";

    constexpr std::string_view kUsageAfterTables = R"(
                   The text names the table on its first line and ends with the
                   result at the table's resolution; --decimals gives more. A
                   reading is taken in if the value it gives at the base
                   temperature lies in the table's range. Where two product
                   bands meet, each band's constants give their own answer: the
                   answer that lies in its own band is taken; where none does
                   (the reading falls in the jump between two bands' factors),
                   the one straying least past its band's bound; where two do,
                   the one nearest the reading, the other shown under "Also
                   fits". The base value is Newton's exact root of the table's
                   formula (no public description of the printed tables' own
                   rounded iteration was found to follow). With --json, one
                   object: table, inputs, band, constants (K0 and K1, or A and
                   B), alpha, result, unit, unrounded, rounded, decimals,
                   iterations, band_choice ("one fits", "between bands", "two
                   fit") and other_bands.
  --decimals N     table mode: the decimals of the rounded result, from the
                   table's resolution up to 6 (the 1980 computational factor
                   and the 2004 edition use five)
  --api G          API gravity in °API: observed for 5A/5B, at 60 °F for 6A/6B
                   (with --table; --density is kg/m3 there: observed for
                   53A/53B, at 15 °C for 54A/54B; --temperature is °C for
                   tables 53 and 54, °F for tables 5 and 6)
  --hydrometer glass|none
                   tables 53 and 5: glass (the default) corrects a glass
                   hydrometer's reading for the expansion of the glass; none
                   takes a density measured otherwise as it is
  --edition 1980|2004
                   with --table: the edition of the tables, 1980 (ASTM D1250-80,
                   the default, as above) or 2004 (API MPMS Chapter 11.1-2004,
                   ASTM D1250-04, with the 15 °C and 20 °C bases of 2007),
                   which also corrects for pressure (its tables are those of
                   the 2004 edition above). A reading of a °F table prints
                   the value at 60 °F in the form it was given: °API with
                   --api, relative density with --relative-density, kg/m3
                   with --density; a gauge pressure below 0 corrects as 0.
                   Inputs are rounded as the edition says (density 0.1 kg/m3,
                   relative density 0.0001, API 0.1, 0.1 °F or 0.05 °C, 1 psig
                   or 5 kPa), results to 5 decimals (Fp to 3, densities to
                   0.1 kg/m3, API to 0.1). With --json, one object: edition,
                   table, group, constants, inputs and inputs_used, density_60,
                   alpha60, density_base, ctl, fp, cpl, ctpl (each unrounded and
                   rounded) and iterations.
  --pressure P     2004 edition: gauge pressure, psig for the °F tables, kPa for
                   the °C ones; 0 when left out
  --relative-density R
                   2004 edition, °F tables: relative density 60/60 °F
  --alpha A        2004 edition, tables 6C and 24C: the thermal expansion
                   coefficient at 60 °F of the liquid, in 1/°F, taken as given
  --exact          2004 edition: compute on the inputs as given, without
                   rounding them, and print the unrounded results too
  --cargo [FILE]   a surveyor's quantity report over the tanks of a CSV file
                   (standard input without FILE or for "-"): every tank, the
                   totals of each grade and the total of the cargo. The first
                   line names the columns, in any order: tank (a name), tov
                   (total observed volume, m3), temperature (°C) and density
                   (at 15 °C in vacuum, kg/litre), and optionally free_water
                   (m3, default 0), sw (sediment and water, % by volume,
                   default 0), grade (groups tanks for subtotals; default one
                   grade), table (54A for crude oils, the default, 54B for
                   refined products, or with edition 2004 54D for
                   lubricating oils) and edition (1980, the default, with
                   its V.C.F. to 4 decimals; or 2004, its CTPL at 0 kPa to 5
                   decimals on the inputs rounded as that edition rounds
                   them). With --csv, one row per tank, per tank left out and
                   per total, marked in the column record; with --json, one object with
                   tanks, left_out, grades and total. See "Cargo report" below.
  -h, --help       print this help
  -V, --version    print the version

Output: the density in air, the V.C.F., the volume at 15 °C and the mass (or
the volume at the observed temperature), each as the window shows it. Nothing
is written until everything is computed.

Cargo report: each tank's figures are those of a surveyor's report, in this
order, each rounded half up to its decimals before it enters the next:
  GOV = TOV - free water                       m3, 3 decimals
  VCF from the tank's table at its density and temperature, 4 decimals
  GSV = GOV x VCF                              m3, 3 decimals
  S&W = GSV x sw / 100                         m3, 3 decimals
  NSV = GSV - S&W                              m3, 3 decimals
  mass in vacuum = NSV x density               t, 3 decimals
  mass in air = NSV x (density - 0.0011)       t, 3 decimals
TOV and free water enter rounded to 3 decimals, as the report shows them. Every
figure is computed on the figures as printed, so anyone can check a tank on
paper from its own line, and each total is the sum of the printed figures of
its tanks: the columns add up to the totals to the last digit. A row that
gives no figures (a missing or malformed field, a density or temperature
outside the table's range, free water above TOV, sw outside 0 to 100, a tank
named twice in a grade, an unknown table or edition) is left out with its
line and reason, every total that misses it is marked "incomplete" with the
tanks it leaves out, and the exit status is 1.

Examples of the tables (the last line of each output shown):
  corvald-calc --table 53A --density 779.0 --temperature 25       786.6 kg/m3
  corvald-calc --table 53B --density 1008.0 --temperature 4.5     1001.2 kg/m3
  corvald-calc --table 54A --density 850 --temperature 30         0.9872
  corvald-calc --table 54B --density 700 --temperature 30         0.9799
  corvald-calc --table 5B --api 40.5 --temperature 83.0            38.7 °API
  corvald-calc --table 53A --density 779.0 --temperature 25 --decimals 2
                                                                  786.65 kg/m3
  corvald-calc --table 6A --api 93.5 --temperature 92             0.9721
  corvald-calc --table 6B --api 56.5 --temperature 67.5 --json    0.9950

Exit status: 0 when computed; 1 when the input is rejected (the message,
"corvald-calc: TITLE: PROMPT", goes to standard error; with --csv, when any
row was rejected or malformed, after all rows are written, or when the input
has no header; in table mode, when an input is no number, lies outside the
table's range or has no solution; with --cargo, when a row was left out of the
totals, after the report is written, or when the first line is not a header)
or the output could not be written; 2 for a usage error. SIGINT, SIGTERM or
SIGHUP stop a batch after the row in hand, with only whole rows written and
their count on standard error; the status is then 130, 143 or 129.
)";

} // namespace

std::string usageText()
{
    return std::string(kUsageBeforeTables) + tableUsage() + std::string(kUsageAfterTables);
}

} // namespace corvald::cli
