#include "ui/history/history_view.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>
#include <memory>
#include <utility>

#include "logbook/database.h"
#include "logbook/history.h"
#include "logbook/older_file.h"
#include "logbook/writer_urgency.h"
#include "session/slip_text.h"
#include "ui/history/history_table_model.h"
#include "ui/history/history_trend_plot.h"
#include "ui/runs/runs_file.h"

namespace korvane::ui {

namespace {

// How long after the latest run History reads the logbook again.
constexpr int kSettleMs = 1000;
// History exports beside a race: a rest after each 500 rows (a few ms of work) leaves a busy
// machine's cores to the race window at once.
constexpr int kRowsBetweenRests = 500;
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

// What a read of the logbook found: its history, or why there is none.
struct HistoryView::Reading {
    enum class Outcome { Read, NoRuns, Failed };
    std::string path;
    Outcome outcome = Outcome::NoRuns;
    logbook::History history;
    std::string problem;
};

namespace {

// On the reader's thread, through a read-only connection of its own for the read alone; what was
// read before, if anything, is only brought up to date.
HistoryView::Reading readLogbook(const std::string& path,
                                 const std::shared_ptr<const logbook::History>& kept) {
    using Outcome = HistoryView::Reading::Outcome;
    HistoryView::Reading reading;
    reading.path = path;
    try {
        if (!std::filesystem::exists(path)) return reading;
        const auto db = logbook::openForReading(path);
        if (schemaVersion(*db) == 0) return reading;
        reading.history = kept ? logbook::updateHistory(*db, *kept) : logbook::readHistory(*db);
        if (!reading.history.sessions.empty()) reading.outcome = Outcome::Read;
    } catch (const std::exception& error) {  // none may leave the thread, or the game ends
        reading.outcome = Outcome::Failed;
        reading.problem = error.what();
    }
    return reading;
}

// Every run of the logbook at PATH as CSV in FILE; what to tell the player when it failed.
std::optional<QString> exportLogbook(const std::string& path, const QString& file) {
    try {
        const auto db = logbook::openForReading(path);
        return saveRuns(file, logbookRows(*db, kRowsBetweenRests));
    } catch (const std::exception& error) {
        return QObject::tr("The logbook %1 could not be read: %2")
            .arg(QString::fromStdString(path), error.what());
    }
}

}  // namespace

HistoryView::HistoryView(QWidget* parent)
    : QWidget(parent), settle_(new QTimer(this)), message_(new QLabel(this)) {
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMs);
    connect(settle_, &QTimer::timeout, this, &HistoryView::refresh);
    setAccessibleName(tr("History of every kept session"));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setAccessibleName(tr("Logbook"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    say(tr("Runs are not kept: the game was started with --no-logbook."));
}

// The reader hands its result over through the event loop, which drops it once the view is gone.
HistoryView::~HistoryView() {
    if (reader_.joinable()) reader_.join();
    if (exporter_.joinable()) exporter_.join();
}

void HistoryView::setPath(const std::string& path) {
    path_ = path;
    kept_.reset();
    if (isVisible()) refresh();
}

// Runs come a race apart: History reads and redraws once the latest has settled, not in the
// moments after an outcome when the player may press again.
void HistoryView::logbookChanged() {
    if (isVisible()) settle_->start();
}

void HistoryView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

// Read on a thread of its own, so a long logbook never holds up the race window.
void HistoryView::refresh() {
    if (path_.empty()) {
        say(tr("Runs are not kept: the game was started with --no-logbook."));
        return;
    }
    if (reading_) {
        again_ = true;
        return;
    }
    if (reader_.joinable()) reader_.join();
    if (!table_ || table_->isHidden()) say(tr("Reading the logbook..."));
    reading_ = true;
    reader_ = std::thread([this, path = path_, kept = kept_] {
        auto reading = std::make_shared<Reading>(readLogbook(path, kept));
        QMetaObject::invokeMethod(
            this, [this, reading] { showReading(std::move(*reading)); }, Qt::QueuedConnection);
    });
}

void HistoryView::showReading(Reading reading) {
    reading_ = false;
    kept_.reset();
    // A read of the file set before is no start for reading another.
    if (reading.outcome == Reading::Outcome::Read && reading.path == path_) {
        kept_ = std::make_shared<const logbook::History>(std::move(reading.history));
    }
    if (std::exchange(again_, false)) {
        refresh();
        return;
    }
    switch (reading.outcome) {
        case Reading::Outcome::NoRuns:
            say(tr("No runs kept yet: they will be kept in %1.")
                    .arg(QString::fromStdString(path_)));
            return;
        case Reading::Outcome::Failed:
            say(tr("The logbook %1 could not be read: %2")
                    .arg(QString::fromStdString(path_), QString::fromStdString(reading.problem)));
            return;
        case Reading::Outcome::Read:
            showHistory(*kept_);
            return;
    }
}

void HistoryView::showHistory(const logbook::History& history) {
    build();
    bests_->setText(bestsText(history.bests));
    // Only the first rows change after a run: the widths are measured again when all did.
    if (!model_->setSessions(history.sessions)) fitColumns();
    // The tree of the newest session, until the racer chooses one.
    if (!treeChosen_ && !history.sessions.empty()) {
        const QSignalBlocker quiet(trendTree_);
        trendTree_->setCurrentIndex(history.sessions.front().tree == Tree::Pro ? 1 : 0);
        plot_->setTree(history.sessions.front().tree);
    }
    plot_->setPoints(history.trend);
    message_->hide();
    bests_->show();
    export_->show();
    table_->show();
    trendTree_->show();
    plot_->show();
}

void HistoryView::fitColumns() {
    QHeaderView* header = table_->horizontalHeader();
    for (int column = 0; column < model_->columnCount(); ++column) {
        int width = header->sectionSizeHint(column);
        for (int row = 0; row < std::min(kMeasuredRows, model_->rowCount()); ++row) {
            width = std::max(width, table_->sizeHintForIndex(model_->index(row, column)).width());
        }
        header->resizeSection(column, width + (table_->showGrid() ? 1 : 0));
    }
}

void HistoryView::build() {
    if (table_) return;
    bests_ = new QLabel(this);
    bests_->setAccessibleName(tr("Personal bests"));
    // Wrapped, so that both trees' bests never widen the slip over the race window.
    bests_->setWordWrap(true);
    bests_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bests_->setToolTip(tr("The quickest clean reaction ever on each tree, and the day of its run"));
    model_ = new HistoryTableModel(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->setAccessibleName(tr("Sessions, newest first"));
    export_ = new QPushButton(tr("Export..."), this);
    export_->setObjectName(QStringLiteral("exportLogbook"));
    export_->setAccessibleName(tr("Export every kept run as CSV"));
    export_->setToolTip(tr("Write every run in the logbook to a CSV file"));
    connect(export_, &QPushButton::clicked, this, &HistoryView::exportRuns);
    plot_ = new HistoryTrendPlot(this);
    auto* top = new QHBoxLayout;
    top->addWidget(bests_, 1);
    top->addWidget(export_);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->insertLayout(1, top);
    layout->insertWidget(2, table_, 1);
    layout->insertWidget(3, buildTreeChoice());
    layout->insertWidget(4, plot_);
}

// Each tree's trend apart, so that a Pro session never reads as an improvement on Standard.
QComboBox* HistoryView::buildTreeChoice() {
    trendTree_ = new QComboBox(this);
    trendTree_->addItems({tr("Standard tree"), tr("Pro tree"), tr("Both trees together")});
    trendTree_->setAccessibleName(tr("The tree the trend shows"));
    trendTree_->setToolTip(tr("The tree whose sessions the trend shows"));
    trendTree_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(trendTree_, &QComboBox::activated, this, [this](int index) {
        treeChosen_ = true;
        plot_->setTree(index == 2 ? std::nullopt
                                  : std::optional<Tree>(index == 1 ? Tree::Pro : Tree::Standard));
    });
    trendTree_->hide();
    return trendTree_;
}

// Read and written on a thread of its own, so the race window never waits for the file.
void HistoryView::exportRuns() {
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Export the logbook"), QStringLiteral("logbook.csv"), tr("CSV files (*.csv)"));
    if (file.isEmpty()) return;
    export_->setEnabled(false);
    if (exporter_.joinable()) exporter_.join();
    exporter_ = std::thread([this, path = path_, file] {
        logbook::yieldToWakers();  // a press on the race window never waits for the export
        auto problem = std::make_shared<std::optional<QString>>(exportLogbook(path, file));
        QMetaObject::invokeMethod(
            this, [this, problem] { exported(*problem); }, Qt::QueuedConnection);
    });
}

void HistoryView::exported(const std::optional<QString>& problem) {
    export_->setEnabled(true);
    if (problem) QMessageBox::warning(this, tr("Export the logbook"), *problem);
}

void HistoryView::say(const QString& message) {
    message_->setText(message);
    message_->show();
    if (table_) {
        bests_->hide();
        export_->hide();
        table_->hide();
        trendTree_->hide();
        plot_->hide();
    }
}

}  // namespace korvane::ui
