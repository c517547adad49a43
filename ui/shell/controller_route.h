#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "input/controller_reader.h"
#include "input/seen_presses.h"

namespace korvane::ui {

class QtWindowSystem;

// One input of one controller, known again when the controller comes back.
struct ChosenInput {
    std::string guid;
    int kind = 0;  // an input::HeldInputs::Kind
    int index = 0;
    friend bool operator==(const ChosenInput&, const ChosenInput&) = default;
};

// Takes the controllers' presses and releases, read on their own thread, to the race window on
// the event loop's thread: only the chosen input's when one is chosen, and none before the race
// window is loaded. While listening, the next input going down is offered for choosing instead.
class ControllerRoute : public QObject {
    Q_OBJECT

  public:
    explicit ControllerRoute(const QtWindowSystem& windows);

    input::ControllerReader::Sink sink();
    input::ControllerReader::DevicesSink devicesSink();
    void choose(std::optional<ChosenInput> chosen) { chosen_ = std::move(chosen); }
    void listen(bool on) { listening_ = on; }
    const std::vector<input::ControllerInfo>& devices() const { return devices_; }

  signals:
    void devicesChanged();
    void inputOffered(const korvane::ui::ChosenInput& input);

  private:
    void take(const input::ControllerChange& change);
    bool passes(const input::ControllerChange& change) const;

    const QtWindowSystem& windows_;
    std::optional<ChosenInput> chosen_;
    bool listening_ = false;
    input::SeenPresses seen_;
    std::vector<input::ControllerInfo> devices_;
};

}  // namespace korvane::ui
