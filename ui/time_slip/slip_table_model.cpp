#include "ui/time_slip/slip_table_model.h"

#include <QBrush>
#include <array>

#include "session/session_figures.h"
#include "session/slip_text.h"
#include "ui/runs/table_columns.h"

namespace korvane::ui {

namespace {

const std::array<TableColumn, 12> kColumns{{
    {"Run", ""},
    {"Tree", ""},
    {"Level", ""},
    {"Roll-out", ""},
    {"R/T", "The true reaction time, from the moment the green reached the screen"},
    {"Player", "Your time on the board"},
    {"Computer", "The computer's time on the board"},
    {"Result",
     "The board's verdict, on the game's own clock: a red light here and the R/T's sign "
     "can disagree"},
    {"Onset",
     "What timed the green: shown, when the compositor said its frame reached the "
     "screen; sent to screen, when the game handed the frame over"},
    {"Delay",
     "The wait this press had before the tree started: the walk and the random extra "
     "wait together; empty when off or when a tap's walk was still under way"},
    {"Let go", "When you let go, from the green: the R/T less the car delay, when one is set"},
    {"Car delay", "The car's own delay after you let go, when one is set"},
}};
constexpr int kRtColumn = 4;
constexpr int kOnsetColumn = 8;
constexpr int kReleaseColumn = 10;

QString boardStyled(const std::string& plain) {
    return QString::fromStdString(boardStyle(plain));
}

QString cell(const RaceRecord& run, int column) {
    switch (column) {
        case 0:
            return QString::number(run.run);
        case 1:
            return QString::fromStdString(treeName(run.tree));
        case 2:
            return QString::fromStdString(run.level);
        case 3:
            return boardStyled(plainDecimal(run.rollOutMs));
        case kRtColumn: {
            const std::string rt = reactionText(run);
            return rt.empty() ? QStringLiteral("\u2013") : boardStyled(rt);
        }
        case 5:
            return QString::fromStdString(run.playerTime).trimmed();
        case 6:
            return QString::fromStdString(run.computerTime).trimmed();
        case 7:
            return QString::fromStdString(resultName(run));
        case kOnsetColumn:
            return QString::fromStdString(onsetText(run));
        case 9:
            return boardStyled(startDelayText(run));
        case kReleaseColumn:
            return boardStyled(releaseText(run));
        default:
            return boardStyled(carDelayText(run));
    }
}

QString tipOf(const RaceRecord& run, int column) {
    if (column == kRtColumn) {
        switch (startOf(run)) {
            case Start::Clean:
                return QStringLiteral("A clean reaction");
            case Start::Early:
                return QStringLiteral("An early start: released before the green");
            case Start::Staging:
                return QStringLiteral("Left during staging: released before the tree started");
        }
    }
    if (column == kOnsetColumn && !onsetText(run).empty()) {
        return run.onsetSource == "presented"
                   ? QStringLiteral("The compositor said when the green's frame reached the screen")
                   : QStringLiteral(
                         "When the game sent the green's frame to the screen; no word "
                         "came of when it showed");
    }
    return {};
}

}  // namespace

SlipTableModel::SlipTableModel(const std::vector<RaceRecord>& runs, QObject* parent)
    : QAbstractTableModel(parent), runs_(runs), shown_(static_cast<int>(runs.size())) {}

void SlipTableModel::runAdded() {
    beginInsertRows({}, 0, 0);
    ++shown_;
    endInsertRows();
}

void SlipTableModel::newestRunChanged() {
    emit dataChanged(index(0, 0), index(0, columnCount() - 1));
}

void SlipTableModel::setNewestHidden(bool hidden) {
    newestHidden_ = hidden;
    newestRunChanged();
}

int SlipTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int SlipTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

QVariant SlipTableModel::data(const QModelIndex& index, int role) const {
    const RaceRecord& run = runs_[static_cast<std::size_t>(shown_ - 1 - index.row())];
    const int column = index.column();
    const bool result = (column >= kRtColumn && column <= kOnsetColumn) || column == kReleaseColumn;
    if (newestHidden_ && index.row() == 0 && result) {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("hidden")) : QVariant();
    }
    if (role == Qt::DisplayRole) return cell(run, index.column());
    if (role == Qt::ToolTipRole) return tipOf(run, index.column());
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole && index.column() == kRtColumn && startOf(run) == Start::Early) {
        return QBrush(Qt::red);
    }
    return {};
}

QVariant SlipTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return columnHeader(kColumns, section, orientation, role);
}

}  // namespace korvane::ui
