#include "ui/practice/practice_settings.h"

#include <QSettings>
#include <cstdio>

namespace korvane::ui {

namespace {

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("korvane"),
                     QStringLiteral("practice"));
}

}  // namespace

PracticeSettings loadPracticeSettings() {
    const QSettings settings = store();
    std::vector<std::string> problems;
    const PracticeSettings practice = readPracticeOptions(
        [&settings](const std::string& key) -> std::optional<std::string> {
            const QVariant value = settings.value(QString::fromStdString(key));
            if (!value.isValid()) return std::nullopt;
            return value.toString().toStdString();
        },
        problems);
    const std::string file = settings.fileName().toStdString();
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "korvane: %s: %s\n", file.c_str(), problem.c_str());
    }
    return practice;
}

void savePracticeSettings(const PracticeSettings& practice) {
    QSettings settings = store();
    writePracticeOptions(practice, [&settings](const std::string& key, const std::string& value) {
        settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    });
}

std::optional<DelayRange> delayRange(const PracticeSettings& settings) {
    if (!settings.randomDelay) return std::nullopt;
    return DelayRange{settings.delayFromMs, settings.delayToMs};
}

std::optional<input::ChosenInput> chosenInput(const PracticeSettings& settings) {
    if (settings.controllerGuid.empty()) return std::nullopt;
    return input::ChosenInput{settings.controllerGuid, settings.controllerKind,
                              settings.controllerIndex};
}

}  // namespace korvane::ui
