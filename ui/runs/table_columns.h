#pragma once

#include <QVariant>
#include <span>

namespace korvane::ui {

// A table's column: its header and the header's tool tip ("" for none).
struct TableColumn {
    const char* name;
    const char* tip;
};

// What the table's header shows at SECTION in the role: the column's name and tip across the
// top, nothing down the side.
QVariant columnHeader(std::span<const TableColumn> columns, int section,
                      Qt::Orientation orientation, int role);

}  // namespace korvane::ui
