#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

#include "logbook/database.h"

namespace korvane::ui {

// Puts the CSV into FILE piece by piece; false when a write failed.
using CsvWriter = std::function<bool(QIODevice& file)>;

// Writes CSV to PATH whole or not at all: a file already there stays as it was until the new
// one is complete. Returns what to tell the player when the runs were not saved.
std::optional<QString> saveRuns(const QString& path, const QByteArray& csv);
// The same for CSV that WRITE makes as it goes; what WRITE throws leaves any file at PATH as it
// was and goes on to the caller.
std::optional<QString> saveRuns(const QString& path, const CsvWriter& write);

// Every run of DB as CSV, each row written as it is read: a logbook of years holds no more than a
// row in memory. With REST_EVERY above 0 the writing rests a millisecond after each REST_EVERY
// rows. What reading DB throws goes on to the caller.
CsvWriter logbookRows(logbook::Database& db, int restEvery = 0);

}  // namespace korvane::ui
