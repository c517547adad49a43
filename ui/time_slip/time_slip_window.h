#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "session/race_record.h"
#include "ui/time_slip/slip_plots.h"

class QLabel;
class QTabWidget;
class QTableView;

namespace korvane::ui {

class HistoryView;
class SlipFigures;
class SlipTableModel;

// The session's runs, figures and plots beside the race window; copies and saves the runs.
class TimeSlipWindow : public QWidget {
  public:
    explicit TimeSlipWindow(const std::vector<RaceRecord>& runs, QWidget* parent = nullptr);

    // The session gained a run: the table, figures and plots show it.
    void runAdded();
    // The newest run learnt its green's onset late: its row, the figures and plots follow.
    void newestRunChanged();
    // Beside the race window, moving it where that lets both stand side by side; else clear of
    // its tree (given in screen coordinates) where the screen has room: narrower on a small
    // screen, and never off it.
    void placeBeside(QWidget& raceWindow, const QRect& tree);
    // The one line telling why the runs are not kept across sessions, above the table; none
    // (empty) hides it.
    void setLogbookLine(const QString& line);
    // Every run on the clipboard, tab-separated.
    void copy();
    // Every run as CSV to a file the player picks.
    void save();
    // The logbook the History tab reads; empty when runs are not kept.
    void setLogbook(const std::string& path);
    // The logbook gained runs: the History tab, if shown, reads it again.
    void logbookChanged();
    // The results blocker: the newest run's result stays out of the table, figures and plots.
    void setNewestHidden(bool hidden);

  protected:
    void moveEvent(QMoveEvent* event) override;

  private:
    void showFigures();
    // A plot point for every run shown.
    void syncPoints();
    // Each column at least as wide as ROW's cell in it.
    void widenColumnsFor(int row);

    const std::vector<RaceRecord>& runs_;
    std::vector<PlotPoint> points_;  // one a run shown, for the plots
    bool newestHidden_ = false;
    QLabel* logbookLine_;
    SlipTableModel* model_;
    QTableView* table_;
    SlipFigures* figures_;
    RtPlot* plot_;
    RtHistogram* histogram_;
    QTabWidget* tabs_;
    HistoryView* history_;
    QWidget* placedBeside_ = nullptr;
    QRect treeInRace_;
    bool frameGuessed_ = false;
};

}  // namespace korvane::ui
