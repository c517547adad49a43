#include "ui/time_slip/time_slip_window.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "session/session_figures.h"
#include "session/slip_text.h"
#include "ui/history/history_view.h"
#include "ui/placement/window_placement.h"
#include "ui/runs/runs_file.h"
#include "ui/time_slip/slip_figures.h"
#include "ui/time_slip/slip_plots.h"
#include "ui/time_slip/slip_table_model.h"

namespace korvane::ui {

namespace {

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAccessibleName(name);
    return b;
}

}  // namespace

TimeSlipWindow::TimeSlipWindow(const std::vector<RaceRecord>& runs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      runs_(runs),
      logbookLine_(new QLabel(this)),
      model_(new SlipTableModel(runs, this)),
      table_(new QTableView(this)),
      figures_(new SlipFigures(this)),
      plot_(new RtPlot(points_, this)),
      histogram_(new RtHistogram(points_, this)),
      tabs_(new QTabWidget(this)),
      history_(new HistoryView) {
    for (const RaceRecord& run : runs) points_.push_back(plotPointOf(run));
    setWindowTitle(QStringLiteral("Korvane Time Slip"));
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    QHeaderView* header = table_->horizontalHeader();
    for (int column = 0; column < model_->columnCount(); ++column) {
        header->resizeSection(column, header->sectionSizeHint(column));
    }
    for (int row = 0; row < model_->rowCount(); ++row) widenColumnsFor(row);
    // What a racer reads first leads, so it fits the slip's width; the rest follow.
    const int firstRead[] = {0, 4, 7, 9};
    for (int place = 0; place < 4; ++place) {
        header->moveSection(header->visualIndex(firstRead[place]), place);
    }
    table_->setAccessibleName(tr("Runs, newest first"));
    logbookLine_->setObjectName(QStringLiteral("logbookLine"));
    logbookLine_->setAccessibleName(tr("Logbook"));
    logbookLine_->setWordWrap(true);
    logbookLine_->hide();
    auto* clocks = new QLabel(tr("R/T counts from the moment the green reached the screen. "
                                 "Player, Computer and Result are the board's own, on the game's "
                                 "own clock."),
                              this);
    clocks->setWordWrap(true);
    QPushButton* copyButton = button(tr("Copy"), tr("Copy the runs"), this);
    QPushButton* saveButton = button(tr("Save..."), tr("Save the runs as CSV"), this);
    connect(copyButton, &QPushButton::clicked, this, &TimeSlipWindow::copy);
    connect(saveButton, &QPushButton::clicked, this, &TimeSlipWindow::save);
    auto* copyAction = new QAction(tr("Copy the runs"), this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WindowShortcut);
    copyAction->setShortcutVisibleInContextMenu(true);
    connect(copyAction, &QAction::triggered, this, &TimeSlipWindow::copy);
    addAction(copyAction);
    auto* closeAction = new QAction(tr("Close the slip"), this);
    closeAction->setShortcut(QKeySequence(Qt::Key_Escape));
    closeAction->setShortcutContext(Qt::WindowShortcut);
    closeAction->setShortcutVisibleInContextMenu(true);
    connect(closeAction, &QAction::triggered, this, &QWidget::hide);
    addAction(closeAction);

    auto* plots = new QHBoxLayout;
    plots->addWidget(plot_);
    plots->addWidget(histogram_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(logbookLine_);
    contentLayout->addWidget(table_, 1);
    contentLayout->addWidget(figures_);
    contentLayout->addWidget(clocks);
    // On a small screen the runs and figures scroll; the plots and the buttons stay in view whole.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* session = new QWidget;
    session->setAccessibleName(tr("This session"));
    auto* sessionLayout = new QVBoxLayout(session);
    sessionLayout->addWidget(scroll, 1);
    sessionLayout->addLayout(plots);
    sessionLayout->addLayout(buttons);
    tabs_->setAccessibleName(tr("This session or the history"));
    tabs_->setDocumentMode(true);
    tabs_->addTab(session, tr("This &session"));
    tabs_->addTab(history_, tr("&History"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_, 1);
    setTabOrder(tabs_->tabBar(), table_);
    setTabOrder(table_, copyButton);
    setTabOrder(copyButton, saveButton);
    // Tall enough for the plots whole below the table, figures and note.
    resize(560, 760);
    showFigures();
}

// Measured a row at a time, so a long session does not slow each update, and never narrowed, so
// a row scrolled into view shows whole.
void TimeSlipWindow::widenColumnsFor(int row) {
    const int grid = table_->showGrid() ? 1 : 0;
    for (int column = 0; column < model_->columnCount(); ++column) {
        const int needed = table_->sizeHintForIndex(model_->index(row, column)).width() + grid;
        if (needed > table_->columnWidth(column)) table_->setColumnWidth(column, needed);
    }
}

void TimeSlipWindow::setLogbookLine(const QString& line) {
    logbookLine_->setText(line);
    logbookLine_->setVisible(!line.isEmpty());
}

void TimeSlipWindow::syncPoints() {
    const std::size_t shown = runs_.size() - (newestHidden_ && !runs_.empty() ? 1 : 0);
    if (points_.size() > shown) points_.resize(shown);
    while (points_.size() < shown) points_.push_back(plotPointOf(runs_[points_.size()]));
}

void TimeSlipWindow::setNewestHidden(bool hidden) {
    newestHidden_ = hidden;
    model_->setNewestHidden(hidden);
    syncPoints();
    showFigures();
    plot_->update();
    histogram_->update();
}

void TimeSlipWindow::runAdded() {
    syncPoints();
    model_->runAdded();
    widenColumnsFor(0);
    showFigures();
    plot_->update();
    histogram_->update();
}

void TimeSlipWindow::newestRunChanged() {
    if (points_.size() == runs_.size()) points_.back() = plotPointOf(runs_.back());
    model_->newestRunChanged();
    widenColumnsFor(0);
    showFigures();
    plot_->update();
    histogram_->update();
}

void TimeSlipWindow::setLogbook(const std::string& path) {
    history_->setPath(path);
}

void TimeSlipWindow::logbookChanged() {
    history_->logbookChanged();
}

void TimeSlipWindow::showFigures() {
    const auto shown = static_cast<std::ptrdiff_t>(points_.size());
    const SessionFigures figures =
        sessionFigures(std::vector<RaceRecord>(runs_.begin(), runs_.begin() + shown));
    plot_->setMedian(figures.both.median);
    histogram_->setMedian(figures.both.median);
    figures_->setFigures(figures);
}

void TimeSlipWindow::placeBeside(QWidget& raceWindow, const QRect& tree) {
    placedBeside_ = &raceWindow;
    treeInRace_ = tree.translated(-raceWindow.mapToGlobal(QPoint(0, 0)));
    const QRect race = raceWindow.frameGeometry();
    const QScreen* screen =
        raceWindow.screen() ? raceWindow.screen() : QGuiApplication::primaryScreen();
    // Before its first showing the slip has no frame yet: guessed like the race window's, and
    // placed again once the window manager has framed it.
    const QSize ownFrame = frameGeometry().size() - size();
    frameGuessed_ = ownFrame.isNull();
    const QSize decoration =
        frameGuessed_ ? raceWindow.frameGeometry().size() - raceWindow.size() : ownFrame;
    const SlipPlacement placed =
        sideBySide(race, tree, screen ? screen->availableGeometry() : race, size() + decoration,
                   minimumSizeHint().width() + decoration.width());
    // Where the compositor places windows, the race window stays where it is put.
    if (placed.race != race && windowsPlaceThemselves()) raceWindow.move(placed.race.topLeft());
    resize(placed.slip.size() - decoration);
    move(placed.slip.topLeft());
}

void TimeSlipWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!frameGuessed_ || placedBeside_ == nullptr || frameGeometry().size() == size()) return;
    frameGuessed_ = false;
    placeBeside(*placedBeside_, treeInRace_.translated(placedBeside_->mapToGlobal(QPoint(0, 0))));
}

void TimeSlipWindow::copy() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(slipTsv(runs_)));
}

void TimeSlipWindow::save() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the runs"), QStringLiteral("time-slip.csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty()) return;
    if (const auto error = saveRuns(path, QByteArray::fromStdString(slipCsv(runs_)))) {
        QMessageBox::warning(this, windowTitle(), *error);
    }
}

}  // namespace korvane::ui
