#include "ui/time_slip/runs_file.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>

namespace korvane::ui {

namespace {

// The error, or nothing once the file on disk holds all of CSV.
template <typename File>
std::optional<QString> write(File& file, const QByteArray& csv) {
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.flush()) {
        return file.errorString();
    }
    return std::nullopt;
}

std::optional<QString> replace(const QString& path, const QByteArray& csv) {
    QSaveFile file(path);
    if (auto error = write(file, csv)) return error;  // the new file is discarded unnamed
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

// A device or pipe cannot be swapped for a new file (as root, /dev/full would be replaced).
std::optional<QString> writeInto(const QString& path, const QByteArray& csv) {
    QFile file(path);
    if (auto error = write(file, csv)) return error;
    file.close();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return std::nullopt;
}

}  // namespace

std::optional<QString> saveRuns(const QString& path, const QByteArray& csv) {
    const QFileInfo target(path);
    const auto error =
        target.exists() && !target.isFile() ? writeInto(path, csv) : replace(path, csv);
    if (!error) return std::nullopt;
    return QObject::tr("The runs were not saved to %1: %2").arg(path, *error);
}

}  // namespace korvane::ui
