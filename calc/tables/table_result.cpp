#include "calc/tables/table_result.h"

#include "calc/number_text.h"

namespace corvald::calc::tables {

std::vector<TableValue> bandConstants(CoefficientForm form, double first, double second)
{
    switch (form) {
    case CoefficientForm::minusConstant:
        return { { "A", -second, "" }, { "B", first, "" } };
    case CoefficientForm::firstTermOnly:
        return { { "K0", first, "" }, { "K1", 0, "" } };
    case CoefficientForm::plusSecondTerm:
        break;
    }
    return { { "K0", first, "" }, { "K1", second, "" } };
}

void setResult(TableResult& result, TableValue value, int decimals)
{
    result.decimals = decimals;
    result.rounded = fixedDecimals(value.value, decimals);
    result.result = std::move(value);
}

} // namespace corvald::calc::tables
