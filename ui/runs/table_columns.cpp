#include "ui/runs/table_columns.h"

#include <QString>

namespace korvane::ui {

QVariant columnHeader(std::span<const TableColumn> columns, int section,
                      Qt::Orientation orientation, int role) {
    if (orientation != Qt::Horizontal) return {};
    const TableColumn& column = columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromLatin1(column.name);
    if (role == Qt::ToolTipRole && *column.tip) return QString::fromUtf8(column.tip);
    return {};
}

}  // namespace korvane::ui
