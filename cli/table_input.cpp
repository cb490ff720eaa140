#include "cli/table_input.h"

#include "calc/number_text.h"
#include "cli/escaped_text.h"
#include "cli/report.h"

#include <optional>
#include <ostream>

#include <string>

namespace corvald::cli {

double readTableInput(std::string_view name, std::string_view text)
{
    try {
        return calc::readNumber(text);
    } catch (const calc::TypeMismatch&) {
        throw UnreadableInput(
            "the " + std::string(name) + " \"" + std::string(text) + "\" is not a number");
    }
}

TableStatus reportUsage(std::ostream& err, const std::string& problem)
{
    err << kProgramName << ": " << messageText(problem) << ". Try '" << kProgramName
        << " --help'\n";
    return TableStatus::usage;
}

TableStatus runReported(std::string_view table, bool json, std::ostream& out, std::ostream& err,
    const std::function<void()>& computeAndPrint)
{
    std::optional<Rejection> rejection;
    try {
        computeAndPrint();
        return TableStatus::computed;
    } catch (const UnreadableInput& e) {
        rejection = Rejection { std::string(kCheckInput), e.what() };
    } catch (const calc::OutOfRange& e) {
        rejection = Rejection { std::string(kCheckInput), e.what() };
    } catch (const calc::Failure& e) {
        rejection = Rejection { "Table " + std::string(table), e.what() };
    }
    reportRejection(err, *rejection);
    if (json)
        out << jsonReport(Outcome { rejection, {} });
    return TableStatus::rejected;
}

} // namespace corvald::cli
