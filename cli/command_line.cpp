#include "cli/command_line.h"

#include "ui/main/direction.h"

#include <array>
#include <getopt.h>
#include <optional>
#include <vector>

namespace corvald::cli {

namespace {

    // Every option has one bit, above the characters of the short options; a
    // mode names the options it requires and allows.
    enum Option : unsigned {
        kQuantity = 0x100,
        kTemperature = kQuantity << 1,
        kDensity = kQuantity << 2,
        kFrom = kQuantity << 3,
        kBasis = kQuantity << 4,
        kTable = kQuantity << 5,
        kApi = kQuantity << 6,
        kHydrometer = kQuantity << 7,
        kDecimals = kQuantity << 8,
        kEdition = kQuantity << 9,
        kPressure = kQuantity << 10,
        kRelativeDensity = kQuantity << 11,
        kAlpha = kQuantity << 12,
        kJson = kQuantity << 13,
        kCsv = kQuantity << 14,
        kProduct = kQuantity << 15,
        kProductExact = kQuantity << 16,
        kExact = kQuantity << 17,
        kHelp = kQuantity << 18,
        kVersion = kQuantity << 19,
        kCargo = kQuantity << 20,
    };
    constexpr unsigned kLastValueOption = kAlpha; // the options before it take a value

    constexpr std::array<option, 22> kLongOptions = { {
        { "quantity", required_argument, nullptr, kQuantity },
        { "temperature", required_argument, nullptr, kTemperature },
        { "density", required_argument, nullptr, kDensity },
        { "from", required_argument, nullptr, kFrom },
        { "basis", required_argument, nullptr, kBasis },
        { "table", required_argument, nullptr, kTable },
        { "api", required_argument, nullptr, kApi },
        { "hydrometer", required_argument, nullptr, kHydrometer },
        { "decimals", required_argument, nullptr, kDecimals },
        { "edition", required_argument, nullptr, kEdition },
        { "pressure", required_argument, nullptr, kPressure },
        { "relative-density", required_argument, nullptr, kRelativeDensity },
        { "alpha", required_argument, nullptr, kAlpha },
        { "json", no_argument, nullptr, kJson },
        { "csv", no_argument, nullptr, kCsv },
        { "product", no_argument, nullptr, kProduct },
        { "product-exact", no_argument, nullptr, kProductExact },
        { "exact", no_argument, nullptr, kExact },
        { "help", no_argument, nullptr, kHelp },
        { "version", no_argument, nullptr, kVersion },
        { "cargo", no_argument, nullptr, kCargo },
        { nullptr, 0, nullptr, 0 },
    } };
    constexpr const char* kShortOptions = ":hV"; // ':' first: a missing value is reported as ':'

    struct ModeRule {
        Mode mode;
        unsigned selector; // the option that chooses the mode; 0 for the default mode
        unsigned required;
        unsigned allowed;
        bool takesFile;
    };

    constexpr std::array<ModeRule, 6> kModes = { {
        { Mode::crude, 0, kQuantity | kTemperature | kDensity,
            kQuantity | kTemperature | kDensity | kFrom | kBasis | kJson, false },
        { Mode::batch, kCsv, 0, kCsv | kFrom | kBasis | kJson, true },
        { Mode::product, kProduct, kDensity | kTemperature,
            kProduct | kDensity | kTemperature | kJson, false },
        { Mode::productExact, kProductExact, kDensity | kTemperature,
            kProductExact | kDensity | kTemperature | kJson, false },
        { Mode::table, kTable, kTable | kTemperature,
            kTable | kDensity | kApi | kTemperature | kHydrometer | kDecimals | kJson | kEdition
                | kPressure | kRelativeDensity | kAlpha | kExact,
            false },
        { Mode::cargo, kCargo, 0, kCargo | kCsv | kJson, true },
    } };

    std::string optionName(unsigned id)
    {
        for (const option& o : kLongOptions)
            if (o.name && static_cast<unsigned>(o.val) == id)
                return std::string("--") + o.name;
        return {};
    }

    // The options of `set`, in the order of the table: "--quantity, --density".
    std::string optionNames(unsigned set)
    {
        std::string names;
        for (const option& o : kLongOptions)
            if (o.name && (set & static_cast<unsigned>(o.val)))
                names += (names.empty() ? "" : ", ") + optionName(static_cast<unsigned>(o.val));
        return names;
    }

    // The options as given: which were seen, and the text of each value.
    struct Given {
        unsigned seen = 0;
        // quantity, temperature, density, from, basis, table, api, hydrometer, decimals,
        // edition, pressure, relative density, alpha
        std::array<std::string, 13> values;
        std::vector<std::string> operands;
    };

    std::size_t valueIndex(unsigned id)
    {
        std::size_t index = 0;
        while ((kQuantity << index) != id)
            ++index;
        return index;
    }

    // Runs getopt_long over args; returns the reason of the first usage error.
    std::optional<std::string> collect(std::span<const std::string_view> args, Given& given)
    {
        std::vector<std::string> texts { "corvald-calc" };
        texts.insert(texts.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& text : texts)
            argv.push_back(text.data());
        argv.push_back(nullptr);
        const int argc = static_cast<int>(texts.size());

        optind = 0; // start afresh, also when a previous parse stopped early
        opterr = 0; // the reasons are worded here, not by getopt_long
        for (;;) {
            const int id
                = getopt_long(argc, argv.data(), kShortOptions, kLongOptions.data(), nullptr);
            if (id == -1)
                break;
            // MinGW's getopt_long reports "--json=yes" as a missing value: the
            // text of the option tells the two apart on every host.
            if (id == ':'
                && std::string_view(argv[static_cast<std::size_t>(optind) - 1]).find('=')
                    != std::string_view::npos)
                return "option '" + optionName(static_cast<unsigned>(optopt)) + "' takes no value";
            if (id == ':')
                return "option '" + optionName(static_cast<unsigned>(optopt)) + "' needs a value";
            if (id == '?') {
                if (!optionName(static_cast<unsigned>(optopt)).empty())
                    return "option '" + optionName(static_cast<unsigned>(optopt))
                        + "' takes no value";
                if (optopt != 0)
                    return std::string("unknown option '-") + static_cast<char>(optopt) + "'";
                return "unknown option '" + std::string(argv[static_cast<std::size_t>(optind) - 1])
                    + "'";
            }
            const unsigned option = id == 'h' ? kHelp
                : id == 'V'                   ? kVersion
                                              : static_cast<unsigned>(id);
            if (given.seen & option)
                return "option '" + optionName(option) + "' is given twice";
            given.seen |= option;
            if (option <= kLastValueOption)
                given.values[valueIndex(option)] = optarg;
        }
        for (int i = optind; i < argc; ++i)
            given.operands.emplace_back(argv[static_cast<std::size_t>(i)]);
        return std::nullopt;
    }

    CommandLine choose(const Given& given)
    {
        const ModeRule* rule = &kModes.front();
        for (const ModeRule& candidate : kModes) {
            if (!candidate.selector || !(given.seen & candidate.selector))
                continue;
            if (rule->allowed & candidate.selector)
                continue; // --cargo takes --csv as its output form
            if (rule->selector && !(candidate.allowed & rule->selector))
                return UsageError { optionName(rule->selector) + " and "
                    + optionName(candidate.selector) + " exclude each other" };
            rule = &candidate;
        }
        if (const unsigned misplaced = given.seen & ~rule->allowed)
            return UsageError { optionNames(misplaced) + " cannot be used with "
                + (rule->selector ? optionName(rule->selector) : "the crude calculation") };
        if (const unsigned missing = rule->required & ~given.seen)
            return UsageError { "missing " + optionNames(missing) };
        if (given.operands.size() > (rule->takesFile ? 1u : 0u))
            return UsageError { "unexpected argument '" + given.operands.back() + "'" };
        if (rule->mode == Mode::cargo && (given.seen & kCsv) && (given.seen & kJson))
            return UsageError { "--csv and --json exclude each other" };

        const Format format = given.seen & kJson               ? Format::json
            : rule->mode == Mode::cargo && (given.seen & kCsv) ? Format::csv
                                                               : Format::text;
        Invocation invocation { rule->mode, format, {}, {}, {} };
        WindowInput& input = invocation.input;
        input.quantity = given.values[valueIndex(kQuantity)];
        input.temperature = given.values[valueIndex(kTemperature)];
        input.density = given.values[valueIndex(kDensity)];
        const std::string& from = given.values[valueIndex(kFrom)];
        const std::string& basis = given.values[valueIndex(kBasis)];
        if ((given.seen & kFrom) && !parseDirection(from, input.direction))
            return UsageError { "--from takes m3 or mt, not '" + from + "'" };
        if ((given.seen & kBasis) && !parseBasis(basis, input.basis))
            return UsageError { "--basis takes vacuum or air, not '" + basis + "'" };
        if (!given.operands.empty())
            invocation.rowsFile = given.operands.front();
        const auto valueGiven = [&given](unsigned option) -> std::optional<std::string> {
            if (!(given.seen & option))
                return std::nullopt;
            return given.values[valueIndex(option)];
        };
        invocation.table = { given.values[valueIndex(kTable)], valueGiven(kDensity),
            valueGiven(kApi), valueGiven(kTemperature), valueGiven(kHydrometer),
            valueGiven(kDecimals), valueGiven(kEdition), valueGiven(kPressure),
            valueGiven(kRelativeDensity), valueGiven(kAlpha), (given.seen & kExact) != 0 };
        return invocation;
    }

} // namespace

// A direction is named by the unit of what is entered, as the window's Label7 shows it.
bool parseDirection(std::string_view text, Direction& direction)
{
    if (text != ui::kVolumeUnit && text != ui::kMassUnit)
        return false;
    direction = text == ui::kMassUnit ? Direction::massToVolume : Direction::volumeToMass;
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
    return direction == Direction::massToVolume ? ui::kMassUnit : ui::kVolumeUnit;
}

std::string_view basisName(Basis basis) { return basis == Basis::air ? "air" : "vacuum"; }

CommandLine parseCommandLine(std::span<const std::string_view> args)
{
    Given given;
    if (auto reason = collect(args, given))
        return UsageError { *reason };
    if (given.seen & kHelp)
        return ShowHelp {};
    if (given.seen & kVersion)
        return ShowVersion {};
    return choose(given);
}

} // namespace corvald::cli
