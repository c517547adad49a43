#include "ui/controllers/controller_route.h"

#include "ui/race_window/race_window.h"

namespace korvane::ui {

ControllerRoute::ControllerRoute(RaceWindowNow race) : race_(std::move(race)) {}

// Queued to this object, so nothing arrives once it is gone.
input::ControllerReader::Sink ControllerRoute::sink() {
    return [this](const input::ControllerChange& change) {
        QMetaObject::invokeMethod(
            this, [this, change] { take(change); }, Qt::QueuedConnection);
    };
}

input::ControllerReader::DevicesSink ControllerRoute::devicesSink() {
    return [this](const std::vector<input::ControllerInfo>& devices) {
        QMetaObject::invokeMethod(
            this,
            [this, devices] {
                devices_ = devices;
                emit devicesChanged();
            },
            Qt::QueuedConnection);
    };
}

bool ControllerRoute::passes(const input::ControllerChange& change) const {
    const auto& [device, kind, index] = change.input;
    return !chosen_ || *chosen_ == input::ChosenInput{change.guid, static_cast<int>(kind), index};
}

void ControllerRoute::take(const input::ControllerChange& change) {
    if (listening_ && change.down) {
        const auto& [device, kind, index] = change.input;
        emit inputOffered({change.guid, static_cast<int>(kind), index});
        return;
    }
    RaceWindow* race = race_();
    const std::optional<Moment> shown = race ? race->shownSince() : std::nullopt;
    if (change.down) {
        if (!passes(change) || !seen_.down(change.input, change.at, shown)) return;
    } else if (!seen_.up(change.input) || race == nullptr) {
        return;
    }
    race->heldInput(change.input, change.down, change.at);
}

}  // namespace korvane::ui
