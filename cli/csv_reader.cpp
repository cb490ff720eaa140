#include "cli/csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <istream>

namespace corvald::cli {

CsvReader::CsvReader(std::istream& in, std::size_t mostFields, std::size_t longestField)
    : in_(*in.rdbuf())
    , mostFields_(mostFields)
    , longestField_(longestField)
{
}

// Takes what the stream holds, waiting only when it holds nothing: rows from a
// slow pipe are computed as they come. The input ends at its first end: a
// terminal or a FIFO that gives more after it is not read on.
bool CsvReader::refill()
{
    pos_ = end_ = block_.data();
    if (ended_)
        return false;
    try {
        if (in_.sgetc() == std::char_traits<char>::eof()) {
            ended_ = true;
            return false;
        }
        const std::streamsize held = std::clamp<std::streamsize>(
            in_.in_avail(), 1, static_cast<std::streamsize>(block_.size()));
        end_ += in_.sgetn(block_.data(), held);
    } catch (const std::ios_base::failure&) { // the file stream's way to tell a failed read
        readError_ = errno != 0 ? errno : EIO;
        ended_ = true;
        return false;
    }
    return pos_ < end_;
}

void CsvReader::startField(CsvRecord& record)
{
    field_ = nullptr;
    if (record.count > mostFields_)
        return;
    if (record.count > record.fields.size())
        record.fields.emplace_back();
    field_ = &record.fields[record.count - 1];
    field_->clear();
}

void CsvReader::fail(CsvRecord& record, std::string what)
{
    if (record.error.empty())
        record.error = std::move(what);
}

void CsvReader::tooLong(CsvRecord& record)
{
    fail(record,
        "field " + std::to_string(record.count) + " is longer than " + std::to_string(longestField_)
            + " bytes");
    field_ = nullptr;
}

// The first byte of the input, c, looked at with the next: returns the first
// byte after the UTF-8 mark, if the input has one.
int CsvReader::opening(int c)
{
    started_ = true;
    const int second = peek();
    utf16_
        = (c == 0xFF && second == 0xFE) || (c == 0xFE && second == 0xFF) || c == 0 || second == 0;
    if (c != 0xEF || second != 0xBB)
        return c;
    take();
    if (peek() != 0xBF)
        return c;
    take();
    return take();
}

bool CsvReader::next(CsvRecord& record)
{
    int c = take();
    if (!started_)
        c = opening(c);
    while (c != kEnd && atLineEnd(c)) {
        ++line_;
        c = take();
    }
    if (c == kEnd)
        return false;
    record.line = line_;
    record.count = 1;
    record.error.clear();
    startField(record);
    State state = State::fieldStart;
    for (;; c = take()) {
        if (c == kEnd) {
            if (state == State::quoted)
                fail(record, "a quoted field is not closed before the end of the input");
            break;
        }
        const char ch = static_cast<char>(c);
        if (state == State::quoted) {
            if (ch == '"' && peek() == '"')
                take();
            else if (ch == '"') {
                state = State::afterQuote;
                continue;
            } else if (ch == '\n' || (ch == '\r' && peek() != '\n')) {
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
            startField(record);
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
    record.fields.resize(record.error.empty() ? std::min(record.count, mostFields_) : 0);
    return true;
}

} // namespace corvald::cli
