#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "ui/runs/runs_file.h"

namespace korvane::ui {
namespace {

struct SaveRow {
    const char* name;
    const char* path;  // absolute, or a file holding "old" in a fresh folder
    bool fullFolder;   // that folder a tmpfs with no room left
    bool saved;
    bool readFails = false;  // the rows' source fails after the first row was written
};

void PrintTo(const SaveRow& row, std::ostream* os) {
    *os << row.name;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct Unmount {
    QByteArray folder;
    ~Unmount() {
        if (!folder.isEmpty()) ::umount2(folder.constData(), MNT_DETACH);
    }
};

class SaveRuns : public ::testing::TestWithParam<SaveRow> {};

TEST_P(SaveRuns, SavesWholeOrSaysSoAndLeavesTheOldFileWhole) {
    const SaveRow& row = GetParam();
    const QTemporaryDir dir;
    Unmount unmount;
    if (row.fullFolder) {
        const QByteArray folder = QFile::encodeName(dir.path());
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "a tmpfs cannot be mounted here: " << std::strerror(errno);
        }
        unmount.folder = folder;
    }
    const QString path = QDir(dir.path()).filePath(QString::fromLatin1(row.path));
    const bool ownFile = path.startsWith(dir.path());
    if (ownFile) {
        ASSERT_TRUE(writeFile(path, "old"));
    }
    if (row.fullFolder) {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
    }
    const QDir folder = QFileInfo(path).dir();
    const auto entries = [&folder] {
        return folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    };
    const QStringList before = entries();
    const bool wasFile = QFileInfo(path).isFile();
    const QByteArray csv("run,tree,reaction\n1,pro,.412\n");
    const auto rows = [&csv, &row](QIODevice& file) {
        if (file.write(csv.left(17)) != 17) return false;
        if (row.readFails) throw std::runtime_error("the file is damaged");
        return file.write(csv.mid(17)) == csv.size() - 17;
    };

    std::optional<QString> error;
    if (row.readFails) {
        EXPECT_THROW(saveRuns(path, rows), std::runtime_error);
    } else {
        error = saveRuns(path, rows);
    }

    const QString notSaved = QStringLiteral("The runs were not saved to %1: %2")
                                 .arg(path, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    EXPECT_EQ(error.value_or(QString()).toStdString(),
              (row.saved || row.readFails ? QString() : notSaved).toStdString());
    if (ownFile) {
        EXPECT_EQ(contents(path).toStdString(), row.saved ? csv.toStdString() : "old");
    }
    EXPECT_EQ(entries(), before) << "a partial or stray file is left";
    EXPECT_EQ(QFileInfo(path).isFile(), wasFile) << "a device was replaced by a file";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveRuns,
    ::testing::Values(SaveRow{"AlwaysFullDevice", "/dev/full", false, false},
                      SaveRow{"OverAFileOnAFullFilesystem", "time-slip.csv", true, false},
                      SaveRow{"OverAFileWithRoom", "time-slip.csv", false, true},
                      SaveRow{"OverAFileWhileTheRowsFailToBeRead", "time-slip.csv", false, false,
                              true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvane::ui
