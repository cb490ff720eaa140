#include "cli/report.h"

#include "cli/escaped_text.h"
#include "cli/json_text.h"

#include <ostream>

namespace corvald::cli {

std::string textReport(const Outcome& outcome)
{
    std::string text;
    for (const ShownResult& r : outcome.results) {
        text.append(r.caption).append("  ").append(r.shown);
        if (!r.unit.empty())
            text.append(" ").append(r.unit);
        text += '\n';
    }
    return text;
}

std::string jsonReport(const Outcome& outcome)
{
    std::string json = "{";
    auto key = [&json](std::string_view name) {
        json += json.size() > 1 ? ", " : "";
        appendJsonString(json, name);
        json += ": ";
    };
    if (outcome.rejection) {
        key("title");
        appendJsonString(json, outcome.rejection->title);
        key("prompt");
        appendJsonString(json, outcome.rejection->prompt);
    }
    for (const ShownResult& r : outcome.results) {
        key(r.key);
        json += jsonNumber(r.shown);
        if (r.unitInJson) {
            key(std::string(r.key) + "_unit");
            appendJsonString(json, r.unit);
        }
    }
    return json + "}\n";
}

void reportRejection(std::ostream& err, const Rejection& rejection)
{
    err << kProgramName << ": " << messageText(rejection.title) << ": "
        << messageText(rejection.prompt) << '\n';
}

} // namespace corvald::cli
