#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace korvane::ui {

// Writes CSV to PATH whole or not at all: a file already there stays as it was until the new
// one is complete. Returns what to tell the player when the runs were not saved.
std::optional<QString> saveRuns(const QString& path, const QByteArray& csv);

}  // namespace korvane::ui
