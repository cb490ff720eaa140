// Reads CSV as RFC 4180 describes it, one record at a time: a quote opens a
// field only at its start and closes it only before a separator or the line
// end, "" inside quotes is a quote, a quoted field may hold separators and line
// breaks, and lines end in CR, LF or CRLF. Empty lines hold no record.
//
// A record's fields are counted before they are kept: only the first
// `mostFields`, each up to `longestField` bytes, are kept, so a record of any
// length costs memory bounded by those two.
//
// The UTF-8 mark that some spreadsheets put at the start of a file is dropped.
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace corvald::cli {

struct CsvRecord {
    std::size_t line = 0; // the line of the input the record starts on, from 1
    std::size_t count = 0; // the fields of the record, kept or not
    std::vector<std::string> fields; // the first fields, when the record is well formed
    std::string error; // what is malformed in the record; empty when nothing is
};

class CsvReader {
public:
    CsvReader(std::istream& in, std::size_t mostFields, std::size_t longestField);

    // The next record; false at the end of the input, or when reading it failed,
    // and at every later call.
    bool next(CsvRecord& record);

    // The errno of a failed read, or 0.
    int readError() const { return readError_; }

    // Whether the input opens as UTF-16 does: with its byte-order mark, or with
    // a NUL in its first two bytes. Known once next() was called.
    bool startsAsUtf16() const { return utf16_; }

private:
    enum class State { fieldStart, unquoted, quoted, afterQuote };
    static constexpr int kEnd = -1;

    int take() { return pos_ < end_ || refill() ? static_cast<unsigned char>(*pos_++) : kEnd; }
    int peek() { return pos_ < end_ || refill() ? static_cast<unsigned char>(*pos_) : kEnd; }
    bool refill();
    bool atLineEnd(int c) // consumes the LF of a CRLF
    {
        if (c == '\r' && peek() == '\n')
            take();
        return c == '\r' || c == '\n';
    }
    void startField(CsvRecord& record);
    void keep(CsvRecord& record, char c)
    {
        if (field_ && field_->size() < longestField_)
            *field_ += c;
        else if (field_)
            tooLong(record);
    }
    void tooLong(CsvRecord& record); // stops keeping the field: its other bytes cost nothing
    void fail(CsvRecord& record, std::string what);
    int opening(int c);

    std::streambuf& in_;
    std::size_t mostFields_;
    std::size_t longestField_;
    std::size_t line_ = 1;
    int readError_ = 0;
    bool ended_ = false;
    bool started_ = false;
    bool utf16_ = false;
    std::string* field_ = nullptr; // the field being read, when it is kept
    std::array<char, 1 << 16> block_ {};
    const char* pos_ = block_.data();
    const char* end_ = block_.data();
};

} // namespace corvald::cli
