#include "ui/history/history_table_model.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "session/slip_text.h"
#include "ui/time_slip/table_columns.h"

namespace korvane::ui {

namespace {

const std::array<TableColumn, 9> kColumns{{
    {"Date", "When the session started, in the local time of then"},
    {"Tree", ""},
    {"Runs", "Judged releases on this tree"},
    {"Clean", "Clean reactions: an R/T at or above .000"},
    {"Early", "Early starts: an R/T below .000"},
    {"Best", "The quickest clean reaction"},
    {"Median", "The middle clean reaction"},
    {"SD", "Standard deviation: how widely clean reactions spread around their mean"},
    {"Consistency", "The share of clean reactions within \u00b1.010 of the median"},
}};

const QString kNone = QStringLiteral("\u2013");

QString seconds(std::optional<double> millis) {
    return millis ? QString::fromStdString(boardMillis(*millis)) : kNone;
}

QString cell(const logbook::SessionTree& s, int column) {
    switch (column) {
        case 0:
            return QString::fromStdString(logbook::localDateTime(s.started, s.utcOffset));
        case 1:
            return QString::fromStdString(treeName(s.tree));
        case 2:
            return QString::number(s.figures.runs);
        case 3:
            return QString::number(s.clean);
        case 4:
            return QString::number(s.figures.early);
        case 5:
            return seconds(s.figures.best);
        case 6:
            return seconds(s.figures.median);
        case 7:
            return seconds(s.figures.deviation);
        default:
            return s.figures.consistency
                       ? QString::number(std::lround(*s.figures.consistency * 100)) +
                             QLatin1Char('%')
                       : kNone;
    }
}

}  // namespace

HistoryTableModel::HistoryTableModel(QObject* parent) : QAbstractTableModel(parent) {}

bool HistoryTableModel::setSessions(std::vector<logbook::SessionTree> sessions) {
    // The older sessions: the rows at the end both have alike.
    const auto common = static_cast<int>(
        std::mismatch(sessions_.rbegin(), sessions_.rend(), sessions.rbegin(), sessions.rend())
            .first -
        sessions_.rbegin());
    const int fresh = static_cast<int>(sessions.size()) - common;
    const int gained = static_cast<int>(sessions.size()) - rowCount();
    if (common == 0 || gained < 0) {
        beginResetModel();
        sessions_ = std::move(sessions);
        endResetModel();
        return false;
    }
    if (gained > 0) beginInsertRows({}, 0, gained - 1);
    sessions_ = std::move(sessions);
    if (gained > 0) endInsertRows();
    if (fresh > gained) emit dataChanged(index(gained, 0), index(fresh - 1, columnCount() - 1));
    return true;
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sessions_.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    const logbook::SessionTree& s = sessions_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return cell(s, index.column());
    if (role == Qt::ToolTipRole && s.figures.staging > 0 && index.column() == 2) {
        return tr("%n left during staging", nullptr, s.figures.staging);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant((index.column() < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return columnHeader(kColumns, section, orientation, role);
}

}  // namespace korvane::ui
