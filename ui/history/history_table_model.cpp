#include "ui/history/history_table_model.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "session/slip_text.h"
#include "ui/runs/table_columns.h"

namespace korvane::ui {

namespace {

enum Column {
    kDate,
    kTree,
    kCarDelay,
    kRuns,
    kClean,
    kEarly,
    kStaging,
    kBest,
    kMedian,
    kDeviation,
    kConsistency,
    kPerfect,
    kSlowest,
    kWithin20,
    kColumnCount
};

const std::array<TableColumn, kColumnCount> kColumns{{
    {"Date", "When the session started, in the local time of then"},
    {"Tree", ""},
    {"Car delay", "The car delay the runs were released with (\u2013 for none)"},
    {"Runs", "Judged releases on this tree"},
    {"Clean", "Clean reactions: an R/T at or above .000"},
    {"Early", "Early starts: an R/T below .000"},
    {"Staging", "Releases during staging, before the tree started, so without an R/T"},
    {"Best", "The quickest clean reaction"},
    {"Median", "The middle clean reaction"},
    {"SD", "Standard deviation: how widely clean reactions spread around their mean"},
    {"Consistency", "The share of clean reactions within \u00b1.010 of the median"},
    {"Perfect", "Perfect lights: an R/T from .000 to .009, and their share of the runs"},
    {"Slowest", "The slowest clean reaction"},
    {"Within .020", "The share of the runs with an R/T from .000 to .020"},
}};

const QString kNone = QStringLiteral("\u2013");

QString seconds(std::optional<double> millis) {
    return millis ? QString::fromStdString(boardMillis(*millis)) : kNone;
}

QString percent(std::optional<double> share) {
    return share ? QString::number(std::lround(*share * 100)) + QLatin1Char('%') : kNone;
}

// One delay, or the lowest and highest where it was changed during the session.
QString carDelays(const logbook::CarDelays& delays) {
    if (delays.high == 0) return kNone;
    const QString high = QString::fromStdString(boardMillis(delays.high));
    if (delays.low == delays.high) return high;
    return QString::fromStdString(boardMillis(delays.low)) + QStringLiteral(" to ") + high;
}

// A count with its share of the runs: "2 (25%)".
QString countOf(int count, std::optional<double> share) {
    return count == 0 ? QStringLiteral("0")
                      : QStringLiteral("%1 (%2)").arg(count).arg(percent(share));
}

QString cell(const logbook::SessionTree& s, int column) {
    switch (column) {
        case kDate:
            return QString::fromStdString(logbook::localDateTime(s.started, s.utcOffset));
        case kTree:
            return QString::fromStdString(treeName(s.tree));
        case kCarDelay:
            return carDelays(s.carDelays);
        case kRuns:
            return QString::number(s.figures.runs);
        case kClean:
            return QString::number(s.clean);
        case kEarly:
            return QString::number(s.figures.early);
        case kStaging:
            return QString::number(s.figures.staging);
        case kBest:
            return seconds(s.figures.best);
        case kMedian:
            return seconds(s.figures.median);
        case kDeviation:
            return seconds(s.figures.deviation);
        case kConsistency:
            return percent(s.figures.consistency);
        case kPerfect:
            return countOf(s.counted.perfect, s.counted.perfectShare);
        case kSlowest:
            return seconds(s.counted.slowest);
        default:
            return percent(s.counted.withinPerfect20);
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
    if (role == Qt::TextAlignmentRole) {
        return QVariant((index.column() < kCarDelay ? Qt::AlignLeft : Qt::AlignRight) |
                        Qt::AlignVCenter);
    }
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return columnHeader(kColumns, section, orientation, role);
}

}  // namespace korvane::ui
