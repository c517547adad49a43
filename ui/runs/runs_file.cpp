#include "ui/runs/runs_file.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <chrono>
#include <thread>

#include "logbook/csv_export.h"

namespace korvane::ui {

namespace {

// The error, or nothing once the file on disk holds all that FILL wrote.
template <typename File>
std::optional<QString> write(File& file, const CsvWriter& fill) {
    if (!file.open(QIODevice::WriteOnly) || !fill(file) || !file.flush()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> replace(const QString& path, const CsvWriter& fill) {
    QSaveFile file(path);
    if (auto error = write(file, fill)) return error;  // the new file is discarded unnamed
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

// A device or pipe cannot be swapped for a new file (as root, /dev/full would be replaced).
std::optional<QString> writeInto(const QString& path, const CsvWriter& fill) {
    QFile file(path);
    if (auto error = write(file, fill)) return error;
    file.close();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return std::nullopt;
}

}  // namespace

std::optional<QString> saveRuns(const QString& path, const QByteArray& csv) {
    return saveRuns(path, [&csv](QIODevice& file) { return file.write(csv) == csv.size(); });
}

std::optional<QString> saveRuns(const QString& path, const CsvWriter& write) {
    const QFileInfo target(path);
    const auto error =
        target.exists() && !target.isFile() ? writeInto(path, write) : replace(path, write);
    if (!error) return std::nullopt;
    return QObject::tr("The runs were not saved to %1: %2").arg(path, *error);
}

CsvWriter logbookRows(logbook::Database& db, int restEvery) {
    return [&db, restEvery](QIODevice& file) {
        return logbook::exportCsv(db, [&file, restEvery, rows = 0](std::string_view row) mutable {
            if (restEvery > 0 && ++rows % restEvery == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            const auto size = static_cast<qint64>(row.size());
            return file.write(row.data(), size) == size;
        });
    };
}

}  // namespace korvane::ui
