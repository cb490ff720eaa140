#include "cli/csv_reader.h"

#include <istream>

namespace corvald::cli {

namespace {

    constexpr int kEnd = std::char_traits<char>::eof();

} // namespace

CsvReader::CsvReader(std::istream& in, std::size_t mostFields, std::size_t longestField)
    : in_(*in.rdbuf())
    , mostFields_(mostFields)
    , longestField_(longestField)
{
}

int CsvReader::take() { return in_.sbumpc(); }

bool CsvReader::atLineEnd(int c)
{
    if (c == '\r' && in_.sgetc() == '\n')
        in_.sbumpc();
    return c == '\r' || c == '\n';
}

void CsvReader::fail(CsvRecord& record, std::string what)
{
    if (record.error.empty())
        record.error = std::move(what);
}

void CsvReader::keep(CsvRecord& record, char c)
{
    if (record.count > mostFields_)
        return;
    std::string& field = record.fields.back();
    if (field.size() < longestField_)
        field += c;
    else
        fail(record,
            "field " + std::to_string(record.count) + " is longer than "
                + std::to_string(longestField_) + " bytes");
}

bool CsvReader::next(CsvRecord& record)
{
    int c = take();
    while (c != kEnd && atLineEnd(c)) {
        ++line_;
        c = take();
    }
    if (c == kEnd)
        return false;
    record.line = line_;
    record.count = 1;
    record.fields.assign(1, std::string());
    record.error.clear();
    State state = State::fieldStart;
    for (;; c = take()) {
        if (c == kEnd) {
            if (state == State::quoted)
                fail(record, "a quoted field is not closed before the end of the input");
            break;
        }
        const char ch = static_cast<char>(c);
        if (state == State::quoted) {
            if (ch == '"' && in_.sgetc() == '"')
                take();
            else if (ch == '"') {
                state = State::afterQuote;
                continue;
            } else if (ch == '\n' || (ch == '\r' && in_.sgetc() != '\n')) {
                ++line_; // the line break stays in the field as it came
            }
            keep(record, ch);
            continue;
        }
        if (atLineEnd(c)) {
            ++line_;
            break;
        }
        if (ch == ',') {
            ++record.count;
            if (record.count <= mostFields_)
                record.fields.emplace_back();
            state = State::fieldStart;
            continue;
        }
        if (state == State::fieldStart && ch == '"') {
            state = State::quoted;
            continue;
        }
        if (ch == '"')
            fail(record,
                "field " + std::to_string(record.count)
                    + " holds a quote but does not start with one");
        else if (state == State::afterQuote)
            fail(record,
                "field " + std::to_string(record.count) + " goes on after its closing quote");
        state = State::unquoted;
        keep(record, ch);
    }
    if (!record.error.empty())
        record.fields.clear();
    return true;
}

} // namespace corvald::cli
