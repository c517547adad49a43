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
    const QString guid = settings.value("controller/guid").toString();
    if (!guid.isEmpty()) {
        practice.controllerInput =
            ChosenInput{guid.toStdString(), settings.value("controller/kind").toInt(),
                        settings.value("controller/index").toInt()};
    }
    practice.controllerInputName = settings.value("controller/name").toString();
    return practice;
}

void savePracticeSettings(const PracticeSettings& practice) {
    QSettings settings = store();
    settings.setValue("startDelay/on", practice.randomDelay);
    settings.setValue("startDelay/fromMs", practice.delay.lowMs);
    settings.setValue("startDelay/toMs", practice.delay.highMs);
    settings.setValue("raceKey/key", practice.raceKey);
    settings.setValue("raceKey/name", practice.raceKeyName);
    const ChosenInput input = practice.controllerInput.value_or(ChosenInput{});
    settings.setValue("controller/guid", QString::fromStdString(input.guid));
    settings.setValue("controller/kind", input.kind);
    settings.setValue("controller/index", input.index);
    settings.setValue("controller/name", practice.controllerInputName);
}

}  // namespace korvane::ui
