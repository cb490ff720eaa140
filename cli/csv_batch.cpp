#include "cli/csv_batch.h"

#include "cli/calc_options.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace corvald::cli {

namespace {

    constexpr std::string_view kHeader
        = "quantity,temperature,density,from,basis,density_air,vcf,volume_15,result,message";
    constexpr std::size_t kRequiredFields = 3;
    constexpr std::size_t kMostFields = 5;

    std::string withoutGrouping(std::string caption)
    {
        std::erase(caption, ',');
        return caption;
    }

    struct Row {
        WindowInput input;
        std::string message; // why the row was not computed; empty when it was
    };

    Row parseRow(std::string_view line, const WindowInput& defaults)
    {
        Row row { defaults, {} };
        const std::vector<std::string> fields = csvFields(line);
        std::string* inputs[] = { &row.input.quantity, &row.input.temperature, &row.input.density };
        for (std::size_t i = 0; i < std::min(fields.size(), kRequiredFields); ++i)
            *inputs[i] = fields[i];
        if (fields.size() < kRequiredFields || fields.size() > kMostFields)
            row.message = "row error: expected quantity,temperature,density[,from[,basis]]";
        else if (fields.size() > 3 && !parseDirection(fields[3], row.input.direction))
            row.message = "row error: from must be m3 or mt";
        else if (fields.size() > 4 && !parseBasis(fields[4], row.input.basis))
            row.message = "row error: basis must be vacuum or air";
        return row;
    }

    void writeRow(std::ostream& out, const WindowInput& input, const WindowResults& results,
        const std::string& message)
    {
        const std::string fields[] = { input.quantity, input.temperature, input.density,
            std::string(directionName(input.direction)), std::string(basisName(input.basis)),
            withoutGrouping(results.densityInAir), withoutGrouping(results.factor),
            withoutGrouping(results.volume15), withoutGrouping(results.result), message };
        for (std::size_t i = 0; i < std::size(fields); ++i)
            out << (i ? "," : "") << csvField(fields[i]);
        out << '\n';
    }

} // namespace

std::vector<std::string> csvFields(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool runCsvBatch(std::istream& in, std::ostream& out, const WindowInput& defaults)
{
    out << kHeader << '\n';
    bool allComputed = true;
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        Row row = parseRow(line, defaults);
        WindowResults results;
        if (row.message.empty()) {
            const WindowOutcome outcome = calculateOnFreshWindow(row.input);
            if (outcome.rejection)
                row.message = outcome.rejection->title + ": " + outcome.rejection->prompt;
            else
                results = outcome.results;
        }
        allComputed = allComputed && row.message.empty();
        writeRow(out, row.input, results, row.message);
    }
    return allComputed;
}

} // namespace corvald::cli
