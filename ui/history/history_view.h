#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;

#include <thread>

#include "logbook/history.h"

namespace korvane::ui {

class HistoryTableModel;
class HistoryTrendPlot;

// Every kept session from the logbook: a table, the personal bests and the trend. Reads the file
// each time it is shown, and exports it, off the event loop, through a read-only connection of
// its own that is open only for the read.
class HistoryView : public QWidget {
    Q_OBJECT

  public:
    explicit HistoryView(QWidget* parent = nullptr);
    ~HistoryView() override;

    // The logbook's file; empty when runs are not kept.
    void setPath(const std::string& path);
    // The logbook gained runs: shown, the view reads it again a moment after the latest.
    void logbookChanged();
    // A read is under way; its result comes through the event loop.
    bool reading() const { return reading_; }

    struct Reading;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refresh();
    void showReading(Reading reading);
    void showHistory(const logbook::History& history);
    // The table, bests and trend, made when first needed.
    void build();
    QComboBox* buildTreeChoice();
    // Each column as wide as its header and the newest rows need.
    void fitColumns();
    // Every kept run as CSV to a file the player picks.
    void exportRuns();
    void exported(const std::optional<QString>& problem);
    void say(const QString& message);

    std::string path_;
    // The last read, brought up to date by the next.
    std::shared_ptr<const logbook::History> kept_;
    std::thread reader_;
    std::thread exporter_;
    bool reading_ = false;
    bool again_ = false;  // asked to read again while reading
    QTimer* settle_;
    QLabel* message_;
    QLabel* bests_ = nullptr;
    QPushButton* export_ = nullptr;
    QTableView* table_ = nullptr;
    HistoryTableModel* model_ = nullptr;
    HistoryTrendPlot* plot_ = nullptr;
    QComboBox* trendTree_ = nullptr;
    bool treeChosen_ = false;  // by the racer, not followed from the newest session
};

}  // namespace korvane::ui
