#include "cli/calc_options.h"

#include <optional>

namespace corvald::cli {

const std::string_view kUsage = R"(Usage:
  corvald-calc --quantity Q --temperature T --density D [--from m3|mt] [--basis vacuum|air] [--json]
  corvald-calc --csv [--from m3|mt] [--basis vacuum|air] < rows.csv
  corvald-calc --product|--product-exact --density D --temperature T
  corvald-calc --help

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
  --json           print one JSON object with the keys density_air, vcf,
                   volume_15, result and result_unit instead of four lines
  --csv            read rows "quantity,temperature,density[,from[,basis]]" after a
                   header line from standard input; write one row per input row:
                   the inputs, density_air, vcf, volume_15 and result without digit
                   grouping, and message (empty when the row was computed). --from
                   and --basis give the defaults of rows that leave them out.
  --product        refined products (ASTM D1250-80, table 54B) on the table grid:
                   --density in kg/m3 at 15 °C; prints the grid density (an even
                   whole number), the grid temperature (quarter degrees) and the
                   factor rounded to four decimals
  --product-exact  refined products on the exact inputs: prints the factor with
                   15 significant digits

Output: the density in air, the V.C.F., the volume at 15 °C and the mass (or
the volume at the observed temperature), each as the window shows it.

Exit status: 0 when computed; 1 when the window would reject the input (its
message, "TITLE: PROMPT", goes to standard error; with --csv, when any row was
rejected, after all rows are written); 2 for a usage error.
)";

bool parseDirection(std::string_view text, Direction& direction)
{
    if (text != "m3" && text != "mt")
        return false;
    direction = text == "mt" ? Direction::massToVolume : Direction::volumeToMass;
    return true;
}

bool parseBasis(std::string_view text, Basis& basis)
{
    if (text != "vacuum" && text != "air")
        return false;
    basis = text == "air" ? Basis::air : Basis::vacuum;
    return true;
}

std::string_view directionName(Direction direction)
{
    return direction == Direction::massToVolume ? "mt" : "m3";
}

std::string_view basisName(Basis basis) { return basis == Basis::air ? "air" : "vacuum"; }

namespace {

    struct Given {
        std::optional<std::string> quantity, temperature, density;
    };

    std::optional<UsageError> applyValue(
        std::string_view name, std::string_view value, CalcOptions& options, Given& given)
    {
        if (name == "--quantity")
            given.quantity = std::string(value);
        else if (name == "--temperature")
            given.temperature = std::string(value);
        else if (name == "--density")
            given.density = std::string(value);
        else if (name == "--from" && !parseDirection(value, options.input.direction))
            return UsageError { "--from takes m3 or mt, not \"" + std::string(value) + "\"" };
        else if (name == "--basis" && !parseBasis(value, options.input.basis))
            return UsageError { "--basis takes vacuum or air, not \"" + std::string(value) + "\"" };
        return std::nullopt;
    }

    bool takesValue(std::string_view name)
    {
        return name == "--quantity" || name == "--temperature" || name == "--density"
            || name == "--from" || name == "--basis";
    }

    std::optional<OutputForm> outputFormOf(std::string_view name)
    {
        if (name == "--json")
            return OutputForm::json;
        if (name == "--csv")
            return OutputForm::csv;
        if (name == "--product")
            return OutputForm::product;
        if (name == "--product-exact")
            return OutputForm::productExact;
        return std::nullopt;
    }

    ParsedCommandLine finish(CalcOptions options, const Given& given)
    {
        const bool anyInput = given.quantity || given.temperature || given.density;
        if (options.form == OutputForm::product || options.form == OutputForm::productExact) {
            if (given.quantity || !given.temperature || !given.density)
                return UsageError { "the product factors take --density and --temperature only" };
            options.input.temperature = *given.temperature;
            options.input.density = *given.density;
            return options;
        }
        if (options.form == OutputForm::csv) {
            if (anyInput)
                return UsageError { "--csv reads the inputs from standard input" };
            return options;
        }
        if (!given.quantity || !given.temperature || !given.density)
            return UsageError { "--quantity, --temperature and --density are required" };
        options.input.quantity = *given.quantity;
        options.input.temperature = *given.temperature;
        options.input.density = *given.density;
        return options;
    }

} // namespace

ParsedCommandLine parseCommandLine(std::span<const std::string_view> args)
{
    CalcOptions options;
    Given given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != name.npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--help" && !value)
            return ShowHelp {};
        if (const auto form = outputFormOf(name); form && !value) {
            if (options.form != OutputForm::text)
                return UsageError {
                    "--json, --csv, --product and --product-exact exclude each other"
                };
            options.form = *form;
            continue;
        }
        if (!takesValue(name))
            return UsageError { "unknown argument \"" + std::string(args[i]) + "\"" };
        if (!value) {
            if (i + 1 == args.size())
                return UsageError { std::string(name) + " needs a value" };
            value = args[++i];
        }
        if (auto error = applyValue(name, *value, options, given))
            return *error;
    }
    return finish(options, given);
}

} // namespace corvald::cli
