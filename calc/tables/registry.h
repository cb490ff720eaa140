// The one list of the tables corvald-calc offers, of every edition: what each takes
// and gives, in which unit and to what resolution, over which range (with its source)
// and by which procedure. The command line, its help and its JSON read this list;
// an edition registers its tables by adding its own list to the registry.
#pragma once

#include "calc/tables/hydrometer.h"
#include "calc/tables/table_range.h"
#include "calc/tables/table_result.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvald::calc::edition2004 {
struct Edition2004Table;
}

namespace corvald::calc::tables {

// What a table is given: the value (an observed reading or a value at the base
// temperature) and the temperature, in the table's units; decimals, when given,
// replaces the table's resolution for the rounded result.
struct TableInputs {
    double value;
    double temperature;
    Hydrometer hydrometer = Hydrometer::glass;
    std::optional<int> decimals;
};

// reading: from a reading at t to the value at the base temperature; factor: from
// the value at the base temperature to the volume correction factor at t.
enum class TableKind { reading, factor };

struct TableSide {
    std::string_view quantity; // "density", "API gravity", "V.C.F.", "CTL, CPL and CTPL"
    std::string_view unit; // "kg/m3", "°API", empty for a factor or a relative density
    int decimals; // the resolution the table prints
};

struct TableEntry {
    std::string_view edition; // "1980", "2004"
    std::string_view name; // "53A"
    std::string_view product; // "generalized crude oils"
    TableKind kind;
    std::string_view base; // "15 °C"
    TableSide takes;
    TableSide gives;
    // Of the value at the base temperature; of the density at 60 °F in the 2004 edition,
    // which every base of that edition passes through.
    const TableRange& range;
    const TableRange& temperatures;
    std::span<const TemperatureLimit> limits; // narrower temperatures by grade; may be empty
    // The procedure of a 1980 table; null in the 2004 edition, whose tables correct for
    // pressure too and give several figures: edition2004 describes such a table for
    // edition2004::computeTable, and is null in the 1980 edition.
    TableResult (*procedure)(const TableInputs&);
    const edition2004::Edition2004Table* edition2004;
};

// The most decimals a result is printed with on request.
inline constexpr int kMostDecimals = 6;

// Every table, edition by edition, each edition's tables in its own order.
const std::vector<const TableEntry*>& allTables();

// The table of an edition by its name, in any letter case; null when there is none.
const TableEntry* findTable(std::string_view edition, std::string_view name);

} // namespace corvald::calc::tables
