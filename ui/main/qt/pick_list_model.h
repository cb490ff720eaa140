// A read-only list model over one of the window's fixed pick lists: the combo
// box reads the design data directly, nothing is copied or measured at start.
#pragma once

#include <QAbstractListModel>

#include <string_view>

namespace corvald::ui::qt {

class PickListModel : public QAbstractListModel {
public:
    using ItemText = std::string_view (*)(int index);

    PickListModel(int count, ItemText item, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    int count_;
    ItemText item_;
};

} // namespace corvald::ui::qt
