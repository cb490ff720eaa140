#include "cli/usage.h"

namespace corvald::cli {

const std::string_view kVersion = "corvald-calc (CORVALD) " CORVALD_VERSION "\n";

const std::string_view kUsage = R"(Usage:
  corvald-calc --quantity Q --temperature T --density D [--from m3|mt] [--basis vacuum|air] [--json]
  corvald-calc --csv [--from m3|mt] [--basis vacuum|air] [--json] [FILE]
  corvald-calc --product|--product-exact --density D --temperature T [--json]
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
  -h, --help       print this help
  -V, --version    print the version

Output: the density in air, the V.C.F., the volume at 15 °C and the mass (or
the volume at the observed temperature), each as the window shows it. Nothing
is written until everything is computed.

Exit status: 0 when computed; 1 when the input is rejected (the message,
"corvald-calc: TITLE: PROMPT", goes to standard error; with --csv, when any
row was rejected or malformed, after all rows are written, or when the first
line is not a header) or the output could not be written; 2 for a usage error.
)";

} // namespace corvald::cli
