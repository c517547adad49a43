#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "input/chosen_input.h"
#include "input/controller_reader.h"
#include "input/seen_presses.h"

namespace korvane::ui {

class RaceWindow;

// Takes the controllers' presses and releases, read on their own thread, to the race window on
// the event loop's thread: only the chosen input's when one is chosen, and none before the race
// window is loaded. While listening, the next input going down is offered for choosing instead.
class ControllerRoute : public QObject {
    Q_OBJECT

  public:
    // The race window the presses go to, none while it is not loaded.
    using RaceWindowNow = std::function<RaceWindow*()>;

    explicit ControllerRoute(RaceWindowNow race);

    input::ControllerReader::Sink sink();
    input::ControllerReader::DevicesSink devicesSink();
    void choose(std::optional<input::ChosenInput> chosen) { chosen_ = std::move(chosen); }
    void listen(bool on) { listening_ = on; }
    const std::vector<input::ControllerInfo>& devices() const { return devices_; }

  signals:
    void devicesChanged();
    void inputOffered(const korvane::input::ChosenInput& input);

  private:
    void take(const input::ControllerChange& change);
    bool passes(const input::ControllerChange& change) const;

    RaceWindowNow race_;
    std::optional<input::ChosenInput> chosen_;
    bool listening_ = false;
    input::SeenPresses seen_;
    std::vector<input::ControllerInfo> devices_;
};

}  // namespace korvane::ui
