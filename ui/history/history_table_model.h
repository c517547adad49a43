#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "logbook/history.h"

namespace korvane::ui {

// Every kept session as table rows, a row for each tree played in it, newest first.
class HistoryTableModel : public QAbstractTableModel {
  public:
    explicit HistoryTableModel(QObject* parent = nullptr);

    // The rows as SESSIONS has them. Only the newest rows can change between two reads, so the
    // rows older sessions share stay as they are; false when the table was made anew instead.
    bool setSessions(std::vector<logbook::SessionTree> sessions);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<logbook::SessionTree> sessions_;
};

}  // namespace korvane::ui
