#include "cli/batch_header.h"

#include "cli/escaped_text.h"
#include "cli/report.h"
#include "cli/stop_signal.h"

#include <algorithm>
#include <ostream>

namespace corvald::cli {

namespace {

    constexpr std::size_t kRequiredColumns = 3; // quantity, temperature, density
    constexpr std::string_view kColumnsNamed
        = "it must name the columns quantity, temperature and density,"
          " and may name from and basis, in any order";

    std::optional<Layout> layoutOf(const CsvRecord& header)
    {
        if (!header.error.empty() || header.count > columnCount)
            return std::nullopt;
        Layout layout;
        layout.fields = header.count;
        for (std::size_t i = 0; i < header.count; ++i) {
            const auto* known
                = std::find(kColumnNames.begin(), kColumnNames.end(), header.fields[i]);
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

} // namespace

std::optional<Layout> readHeader(
    CsvReader& reader, CsvRecord& record, std::string_view source, std::ostream& err)
{
    const bool read = reader.next(record);
    if (reader.readError() != 0 || stopSignal() != 0)
        return std::nullopt;
    if (reader.startsAsUtf16()) {
        err << kProgramName << ": " << messageText(source)
            << ": UTF-16 is not read: save the file as UTF-8\n";
        return std::nullopt;
    }
    if (!read) {
        err << kProgramName << ": " << messageText(source) << ": no header: " << kColumnsNamed
            << '\n';
        return std::nullopt;
    }
    auto layout = layoutOf(record);
    if (!layout)
        err << kProgramName << ": line " << record.line << " is not a header: " << kColumnsNamed
            << '\n';
    return layout;
}

bool repeatsHeader(const CsvRecord& row, const Layout& layout)
{
    return row.error.empty() && row.fields[*layout.position[quantity]] == kColumnNames[quantity];
}

} // namespace corvald::cli
