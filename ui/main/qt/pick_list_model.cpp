#include "ui/main/qt/pick_list_model.h"

namespace corvald::ui::qt {

PickListModel::PickListModel(int count, ItemText item, QObject* parent)
    : QAbstractListModel(parent)
    , count_(count)
    , item_(item)
{
}

int PickListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count_;
}

QVariant PickListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count_
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string_view text = item_(index.row());
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace corvald::ui::qt
