#include "calc/tables/registry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace corvald::calc::tables {
namespace {

    // A name taken twice in one edition would hide a table from the command line.
    TEST(Registry, FindsEveryTableOnceByEditionAndName)
    {
        std::set<std::string> seen;
        for (const TableEntry* table : allTables()) {
            const std::string key = std::string(table->edition) + " " + std::string(table->name);
            EXPECT_TRUE(seen.insert(key).second) << key;
            EXPECT_EQ(findTable(table->edition, table->name), table) << key;
            // One way to compute each table: its procedure, or the 2004 edition's.
            EXPECT_NE(table->procedure == nullptr, table->edition2004 == nullptr) << key;
        }
        EXPECT_EQ(seen.size(), 34U);
        EXPECT_EQ(findTable("1980", "6b"), findTable("1980", "6B"));
        EXPECT_EQ(findTable("1980", "7A"), nullptr);
        EXPECT_EQ(findTable("2004", "5C"), nullptr);
    }

} // namespace
} // namespace corvald::calc::tables
