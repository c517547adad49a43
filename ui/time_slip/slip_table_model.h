#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "session/race_record.h"

namespace korvane::ui {

// The session's runs as table rows, newest first.
class SlipTableModel : public QAbstractTableModel {
  public:
    explicit SlipTableModel(const std::vector<RaceRecord>& runs, QObject* parent = nullptr);

    // A run was added at the end of the session: it becomes the top row.
    void runAdded();
    // The newest run (the top row) changed.
    void newestRunChanged();
    // The top row's result shows as hidden, for the results blocker.
    void setNewestHidden(bool hidden);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const std::vector<RaceRecord>& runs_;
    int shown_ = 0;
    bool newestHidden_ = false;
};

}  // namespace korvane::ui
