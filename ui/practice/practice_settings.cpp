#include "ui/practice/practice_settings.h"

#include <QSettings>

namespace korvane::ui {

namespace {

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("korvane"),
                     QStringLiteral("practice"));
}

}  // namespace

PracticeSettings loadPracticeSettings() {
    const QSettings settings = store();
    PracticeSettings practice;
    practice.randomDelay = settings.value("startDelay/on", false).toBool();
    practice.delay.lowMs = settings.value("startDelay/fromMs", practice.delay.lowMs).toInt();
    practice.delay.highMs = settings.value("startDelay/toMs", practice.delay.highMs).toInt();
    practice.raceKey = settings.value("raceKey/key", 0).toInt();
    practice.raceKeyName = settings.value("raceKey/name").toString();
    return practice;
}

void savePracticeSettings(const PracticeSettings& practice) {
    QSettings settings = store();
    settings.setValue("startDelay/on", practice.randomDelay);
    settings.setValue("startDelay/fromMs", practice.delay.lowMs);
    settings.setValue("startDelay/toMs", practice.delay.highMs);
    settings.setValue("raceKey/key", practice.raceKey);
    settings.setValue("raceKey/name", practice.raceKeyName);
}

}  // namespace korvane::ui
