#include "cli/cargo/cargo_mode.h"

#include "cli/calc_cli.h"
#include "cli/cargo/cargo_writer.h"
#include "cli/cargo/tank_rows.h"
#include "cli/csv_batch.h"
#include "cli/escaped_text.h"
#include "cli/report.h"

#include <cstring>
#include <istream>
#include <ostream>

namespace corvald::cli::cargo {

namespace {

    constexpr std::size_t kOutputBlock = 1 << 16; // bytes handed to the output at once

    std::unique_ptr<CargoWriter> writerFor(CargoFormat format)
    {
        switch (format) {
        case CargoFormat::csv:
            return csvWriter();
        case CargoFormat::json:
            return jsonWriter();
        case CargoFormat::text:
            break;
        }
        return textWriter();
    }

    // The row's figures into the totals, or the row into the left-out ones.
    void take(CsvRecord& record, const Layout& layout, CargoTotals& totals, CargoWriter& writer,
        std::string& out)
    {
        auto entry = entryOf(record, layout);
        if (auto* unreadable = std::get_if<std::string>(&entry)) {
            LeftOut row { record.line, {}, std::nullopt, std::move(*unreadable) };
            writer.leftOut(row, out);
            totals.leaveOut(std::move(row));
            return;
        }
        const TankEntry& e = std::get<TankEntry>(entry);
        try {
            const bool named = !e.tank.empty() && printable(e.tank) && printable(e.grade);
            if (const auto first
                = named ? totals.earlierRow(e.grade, e.tank, e.line) : std::nullopt)
                throw TankRefused("tank " + e.tank + " is named twice"
                    + (e.grade.empty() ? "" : " in grade '" + e.grade + "'") + ": first on line "
                    + std::to_string(*first));
            const TankFigures figures = tankFigures(e);
            writer.tank(e, figures, out);
            totals.add(e, figures);
        } catch (const TankRefused& refused) {
            // A name that cannot be shown is not repeated: the line names the row.
            LeftOut row { e.line, printable(e.tank) ? e.tank : std::string(),
                printable(e.grade) ? std::optional(e.grade) : std::nullopt, refused.what() };
            writer.leftOut(row, out);
            totals.leaveOut(std::move(row));
        }
    }

    void flush(std::ostream& out, std::string& pending)
    {
        out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
        pending.clear();
    }

} // namespace

int runCargo(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err,
    CargoFormat format)
{
    const std::string shownSource = messageText(source);
    CsvReader reader(in, columnCount, kLongestField);
    CsvRecord record;
    const bool any = reader.next(record);
    const auto failedRead = [&] {
        if (reader.readError() == 0)
            return false;
        err << kProgramName << ": " << shownSource << ": " << std::strerror(reader.readError())
            << '\n';
        return true;
    };
    if (failedRead())
        return kExitRejected;
    if (!any) {
        err << kProgramName << ": " << shownSource << ": no header: it must name the columns "
            << columnsHelp() << '\n';
        return kExitRejected;
    }
    auto layout = layoutOf(record);
    if (auto* reason = std::get_if<std::string>(&layout)) {
        err << kProgramName << ": " << shownSource << ": " << messageText(*reason) << '\n';
        return kExitRejected;
    }
    const auto writer = writerFor(format);
    CargoTotals totals;
    std::string pending;
    writer->start(pending);
    while (out && reader.next(record)) {
        take(record, std::get<Layout>(layout), totals, *writer, pending);
        if (pending.size() >= kOutputBlock)
            flush(out, pending);
    }
    if (failedRead())
        return kExitRejected;
    writer->end(totals, pending);
    flush(out, pending);
    if (totals.leftOut().empty())
        return kExitComputed;
    for (const LeftOut& row : totals.leftOut())
        err << kProgramName << ": " << shownSource << ": line " << row.line << ": "
            << messageText(row.reason) << '\n';
    err << kProgramName << ": " << shownSource << ": "
        << messageText(incompleteNote(allOf(totals.leftOut())).substr(12)) << " of the totals\n";
    return kExitRejected;
}

} // namespace corvald::cli::cargo
