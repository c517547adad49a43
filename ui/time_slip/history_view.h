#pragma once

#include <QWidget>
#include <memory>
#include <string>

class QLabel;
class QTableView;

namespace korvane::logbook {
class Database;
}

namespace korvane::ui {

class HistoryTableModel;
class HistoryTrendPlot;

// Every kept session from the logbook: a table, the personal bests and the trend. Reads the file
// through a read-only connection of its own, open only while the view is shown.
class HistoryView : public QWidget {
  public:
    explicit HistoryView(QWidget* parent = nullptr);
    ~HistoryView() override;

    // The logbook's file; empty when runs are not kept.
    void setPath(const std::string& path);
    // The logbook gained runs: shown, the view reads it again.
    void logbookChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void refresh();
    void read();
    // The table, bests and trend, made when first needed.
    void build();
    void say(const QString& message);
    void sayNoRuns();

    std::string path_;
    std::unique_ptr<logbook::Database> db_;
    QLabel* message_;
    QLabel* bests_ = nullptr;
    QTableView* table_ = nullptr;
    HistoryTableModel* model_ = nullptr;
    HistoryTrendPlot* plot_ = nullptr;
};

}  // namespace korvane::ui
