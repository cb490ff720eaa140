#include "cli/csv_batch.h"

#include "cli/csv_field.h"
#include "cli/csv_reader.h"
#include "cli/json_text.h"
#include "cli/report.h"
#include "cli/window_calculation.h"
#include "ui/main/direction.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>

namespace corvald::cli {

namespace {

    constexpr std::string_view kOutputHeader
        = "quantity,temperature,density,from,basis,density_air,vcf,volume_15,result,message\n";
    constexpr std::string_view kRowError = "row error";
    constexpr std::size_t kOutputBlock = 1 << 16; // bytes of rows handed to the output at once
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF"; // some spreadsheets start a CSV with it

    // The input columns, in the order of the output.
    enum Column : std::size_t { quantity, temperature, density, from, basis, columnCount };
    constexpr std::array<std::string_view, columnCount> kColumnNames
        = { "quantity", "temperature", "density", "from", "basis" };
    constexpr std::size_t kRequiredColumns = 3; // quantity, temperature, density

    // Where each column stands in a row, as the header names them.
    struct Layout {
        std::array<std::optional<std::size_t>, columnCount> position;
        std::size_t fields = 0;
    };

    std::optional<Layout> layoutOf(const CsvRecord& header)
    {
        if (!header.error.empty() || header.count > columnCount)
            return std::nullopt;
        Layout layout;
        layout.fields = header.count;
        for (std::size_t i = 0; i < header.count; ++i) {
            std::string_view name = header.fields[i];
            if (i == 0 && name.starts_with(kUtf8Mark))
                name.remove_prefix(kUtf8Mark.size());
            const auto* known = std::find(kColumnNames.begin(), kColumnNames.end(), name);
            if (known == kColumnNames.end())
                return std::nullopt;
            auto& position
                = layout.position[static_cast<std::size_t>(known - kColumnNames.begin())];
            if (position)
                return std::nullopt;
            position = i;
        }
        for (std::size_t column = 0; column < kRequiredColumns; ++column)
            if (!layout.position[column])
                return std::nullopt;
        return layout;
    }

    // One row: its inputs, the texts of from and basis as read, and how it went.
    struct Row {
        std::size_t line = 0;
        WindowInput input;
        std::string_view fromText, basisText; // into the record, while it is read
        std::optional<Rejection> rejection;
        ui::RunCaptions run; // the window's captions after the run
    };

    Rejection rowError(std::size_t line, const std::string& what)
    {
        return { std::string(kRowError), "line " + std::to_string(line) + ": " + what };
    }

    void readInputs(CsvRecord& record, const Layout& layout, Row& row)
    {
        auto field = [&](Column column) -> std::string& {
            return record.fields[*layout.position[column]];
        };
        row.input.quantity.swap(field(quantity));
        row.input.temperature.swap(field(temperature));
        row.input.density.swap(field(density));
        if (layout.position[from]) {
            row.fromText = field(from);
            if (!parseDirection(row.fromText, row.input.direction))
                row.rejection = rowError(row.line, "from must be m3 or mt");
        }
        if (layout.position[basis]) {
            row.basisText = field(basis);
            if (!row.rejection && !parseBasis(row.basisText, row.input.basis))
                row.rejection = rowError(row.line, "basis must be vacuum or air");
        }
    }

    // Empties the row for the next record, keeping the room its texts have taken.
    void reset(Row& row, std::size_t line, const WindowInput& defaults)
    {
        row.line = line;
        row.input.quantity.clear();
        row.input.temperature.clear();
        row.input.density.clear();
        row.input.direction = defaults.direction;
        row.input.basis = defaults.basis;
        row.fromText = row.basisText = {};
        row.rejection.reset();
        row.run = {};
    }

    void compute(CsvRecord& record, const Layout& layout, const WindowInput& defaults, Row& row)
    {
        reset(row, record.line, defaults);
        if (!record.error.empty()) {
            row.rejection = rowError(row.line, record.error);
            return;
        }
        if (record.count != layout.fields) {
            row.rejection = rowError(row.line,
                std::to_string(record.count) + " fields where the header names "
                    + std::to_string(layout.fields));
            return;
        }
        readInputs(record, layout, row);
        if (row.rejection)
            return;
        row.run = ui::calculationRun(freshWindowInputs(row.input));
        if (row.run.message)
            row.rejection = Rejection { std::string(row.run.message->title),
                std::string(row.run.message->prompt) };
    }

    std::string_view resultUnit(const Row& row)
    {
        return row.input.direction == Direction::massToVolume ? ui::kVolumeUnit : ui::kMassUnit;
    }

    // A column as echoed: the row's own text, or the name of the default for a
    // from or basis that the header leaves out.
    std::string_view echoed(const Row& row, const Layout& layout, Column column)
    {
        switch (column) {
        case quantity:
            return row.input.quantity;
        case temperature:
            return row.input.temperature;
        case density:
            return row.input.density;
        case from:
            return layout.position[from] ? row.fromText : directionName(row.input.direction);
        default:
            return layout.position[basis] ? row.basisText : basisName(row.input.basis);
        }
    }

    // A result as the window shows it, without its digit grouping.
    void appendUngrouped(std::string& line, std::string_view shown)
    {
        for (std::size_t comma; (comma = shown.find(',')) != shown.npos;) {
            line.append(shown.substr(0, comma));
            shown.remove_prefix(comma + 1);
        }
        line.append(shown);
    }

    void appendCsvRow(std::string& line, const Row& row, const Layout& layout)
    {
        for (const Column column : { quantity, temperature, density, from, basis }) {
            appendSpreadsheetSafe(line, echoed(row, layout, column));
            line += ',';
        }
        const ui::RunCaptions& r = row.run;
        for (const auto* result : { &r.densityInAir, &r.factor, &r.volume15, &r.result }) {
            if (!row.rejection)
                appendUngrouped(line, result->value());
            line += ',';
        }
        if (row.rejection)
            appendCsvField(line, row.rejection->title + ": " + row.rejection->prompt);
        line += '\n';
    }

    void appendJsonRow(std::string& line, const Row& row, const Layout& layout)
    {
        line += "{\"line\": " + std::to_string(row.line);
        for (const Column column : { quantity, temperature, density, from, basis }) {
            line += ", ";
            appendJsonString(line, kColumnNames[column]);
            line += ": ";
            appendJsonString(line, echoed(row, layout, column));
        }
        if (row.rejection) {
            line += ", \"title\": ";
            appendJsonString(line, row.rejection->title);
            line += ", \"prompt\": ";
            appendJsonString(line, row.rejection->prompt);
        } else {
            const ui::RunCaptions& r = row.run;
            line += ", \"density_air\": " + jsonNumber(r.densityInAir.value())
                + ", \"vcf\": " + jsonNumber(r.factor.value())
                + ", \"volume_15\": " + jsonNumber(r.volume15.value())
                + ", \"result\": " + jsonNumber(r.result.value()) + ", \"result_unit\": ";
            appendJsonString(line, resultUnit(row));
        }
        line += "}\n";
    }

} // namespace

BatchEnd runBatch(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err,
    Format format, const WindowInput& defaults, Progress& progress)
{
    CsvReader reader(in, columnCount, kLongestField);
    CsvRecord record;
    std::optional<Layout> layout;
    if (reader.next(record) && !(layout = layoutOf(record))) {
        err << kProgramName << ": line " << record.line
            << " is not a header: it must name the columns quantity, temperature and density,"
               " and may name from and basis, in any order\n";
        return BatchEnd::notAHeader;
    }
    const auto failedRead = [&] {
        if (reader.readError() == 0)
            return false;
        err << kProgramName << ": " << source << ": " << std::strerror(reader.readError()) << '\n';
        return true;
    };
    if (failedRead())
        return BatchEnd::inputFailed;
    if (format == Format::text)
        out << kOutputHeader;
    bool allComputed = true;
    Row row;
    std::string pending; // rows not yet handed to `out`
    while (out && reader.next(record)) {
        compute(record, *layout, defaults, row);
        allComputed = allComputed && !row.rejection;
        if (format == Format::json)
            appendJsonRow(pending, row, *layout);
        else
            appendCsvRow(pending, row, *layout);
        if (pending.size() >= kOutputBlock) {
            out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
            pending.clear();
        }
        progress.rowDone();
    }
    out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    progress.finish();
    if (failedRead())
        return BatchEnd::inputFailed;
    if (!out)
        return BatchEnd::outputFailed;
    return allComputed ? BatchEnd::allComputed : BatchEnd::someRejected;
}

} // namespace corvald::cli
