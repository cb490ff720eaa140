#include "bench/batch_rows.h"

#include <cstdint>

namespace corvald::bench {

namespace {

    // splitmix64: a small generator whose sequence is fixed by its seed.
    class Sequence {
    public:
        std::uint64_t next()
        {
            state_ += 0x9E3779B97F4A7C15u;
            std::uint64_t z = state_;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
            return z ^ (z >> 31);
        }
        // A whole number in [low, high].
        std::int64_t between(std::int64_t low, std::int64_t high)
        {
            return low
                + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
        }
        bool percent(int share) { return between(1, 100) <= share; }

    private:
        std::uint64_t state_ = 20261207;
    };

    // units / 10^decimals written with exactly `decimals` decimals.
    void appendFixed(std::string& out, std::int64_t units, int decimals)
    {
        if (units < 0) {
            out += '-';
            units = -units;
        }
        std::int64_t scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        out += std::to_string(units / scale);
        if (decimals == 0)
            return;
        const std::string fraction = std::to_string(units % scale);
        out += '.';
        out.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        out += fraction;
    }

    void appendQuantity(std::string& out, Sequence& s)
    {
        if (s.percent(1))
            return; // left empty: the window asks for a value
        const bool plus = s.percent(1);
        if (s.percent(1))
            out += '-'; // below zero: rejected
        else if (plus)
            out += '+';
        if (s.percent(10))
            appendFixed(out, s.between(0, 9'999'999'999), 1); // up to a billion
        else if (s.percent(20))
            out += std::to_string(s.between(0, 200'000));
        else
            appendFixed(out, s.between(1, 99'999'999), 3);
    }

    void appendTemperature(std::string& out, Sequence& s)
    {
        if (s.percent(1))
            appendFixed(out, s.between(-250, -181), 1); // below the range: rejected
        else if (s.percent(10))
            out += std::to_string(s.between(-18, 95));
        else
            appendFixed(out, s.between(-180, 950), 1);
    }

    void appendDensity(std::string& out, Sequence& s)
    {
        if (s.percent(1))
            appendFixed(out, s.between(5000, 12000), 4); // partly beyond the factor's range
        else
            appendFixed(out, s.between(6100, 10750), 4);
    }

    void appendRow(std::string& out, Sequence& s)
    {
        appendQuantity(out, s);
        out += ',';
        appendTemperature(out, s);
        out += ',';
        appendDensity(out, s);
        out += s.percent(30) ? ",mt" : ",m3";
        out += s.percent(30) ? ",air\n" : ",vacuum\n";
    }

} // namespace

std::string batchRows(std::size_t rows)
{
    Sequence s;
    std::string out(kBatchHeader);
    for (std::size_t i = 0; i < rows; ++i)
        appendRow(out, s);
    return out;
}

} // namespace corvald::bench
