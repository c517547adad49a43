#include "ui/time_slip/history_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <filesystem>

#include "logbook/database.h"
#include "logbook/history.h"
#include "session/slip_text.h"
#include "ui/time_slip/history_table_model.h"
#include "ui/time_slip/history_trend_plot.h"

namespace korvane::ui {

namespace {

// Rows measured for the columns' widths: every row would cost too much with years of sessions.
constexpr int kMeasuredRows = 40;

QString bestsText(const std::vector<logbook::PersonalBest>& bests) {
    QStringList shown;
    for (const logbook::PersonalBest& best : bests) {
        shown << QStringLiteral("%1 %2 (%3)")
                     .arg(QString::fromStdString(treeName(best.tree)),
                          QString::fromStdString(boardMillis(static_cast<double>(best.rt))),
                          QString::fromStdString(logbook::localDate(best.at, best.utcOffset)));
    }
    return QObject::tr("Personal bests: ") + shown.join(QStringLiteral(", "));
}

// 0 for a file made but not yet given its tables.
int schemaVersion(logbook::Database& db) {
    logbook::Statement version(db, "PRAGMA user_version");
    return version.step() ? static_cast<int>(version.integer(0)) : 0;
}

}  // namespace

HistoryView::HistoryView(QWidget* parent) : QWidget(parent), message_(new QLabel(this)) {
    setAccessibleName(tr("History of every kept session"));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setAccessibleName(tr("Logbook"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    say(tr("Runs are not kept: the game was started with --no-logbook."));
}

HistoryView::~HistoryView() = default;

void HistoryView::setPath(const std::string& path) {
    path_ = path;
    db_.reset();
    if (isVisible()) refresh();
}

void HistoryView::logbookChanged() {
    if (isVisible()) refresh();
}

void HistoryView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void HistoryView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    db_.reset();
}

void HistoryView::refresh() {
    if (path_.empty()) {
        say(tr("Runs are not kept: the game was started with --no-logbook."));
        return;
    }
    try {
        if (!db_ && std::filesystem::exists(path_)) {
            db_ = std::make_unique<logbook::Database>(path_, logbook::Database::Mode::ReadOnly);
        }
        if (db_ && schemaVersion(*db_) > 0) {
            read();
        } else {
            sayNoRuns();
        }
    } catch (const logbook::DatabaseError& error) {
        db_.reset();
        say(tr("The logbook %1 could not be read: %2")
                .arg(QString::fromStdString(path_), QString::fromUtf8(error.what())));
    }
}

void HistoryView::sayNoRuns() {
    say(tr("No runs kept yet: they will be kept in %1.").arg(QString::fromStdString(path_)));
}

void HistoryView::read() {
    logbook::History history = logbook::readHistory(*db_);
    if (history.sessions.empty()) {
        sayNoRuns();
        return;
    }
    build();
    bests_->setText(bestsText(history.bests));
    model_->setSessions(std::move(history.sessions));
    plot_->setPoints(std::move(history.trend));
    QHeaderView* header = table_->horizontalHeader();
    for (int column = 0; column < model_->columnCount(); ++column) {
        int width = header->sectionSizeHint(column);
        for (int row = 0; row < std::min(kMeasuredRows, model_->rowCount()); ++row) {
            width = std::max(width, table_->sizeHintForIndex(model_->index(row, column)).width());
        }
        header->resizeSection(column, width + (table_->showGrid() ? 1 : 0));
    }
    message_->hide();
    bests_->show();
    table_->show();
    plot_->show();
}

void HistoryView::build() {
    if (table_) return;
    bests_ = new QLabel(this);
    bests_->setAccessibleName(tr("Personal bests"));
    bests_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bests_->setToolTip(tr("The quickest clean reaction ever on each tree, and the day of its run"));
    model_ = new HistoryTableModel(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->setAccessibleName(tr("Sessions, newest first"));
    plot_ = new HistoryTrendPlot(this);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertWidget(1, bests_);
    layout->insertWidget(2, table_, 1);
    layout->insertWidget(3, plot_);
}

void HistoryView::say(const QString& message) {
    message_->setText(message);
    message_->show();
    if (table_) {
        bests_->hide();
        table_->hide();
        plot_->hide();
    }
}

}  // namespace korvane::ui
