#include "input/controller_reader.h"

#include <SDL.h>
#ifdef __linux__
#include <pthread.h>
#endif

#include <array>
#include <chrono>
#include <cstdio>
#include <future>
#include <map>
#include <set>

#include "input/extra_joystick.h"
#include "input/held_inputs.h"

namespace korvane::input {

namespace {

using Kind = HeldInputs::Kind;

// The open controllers and what they hold, turned from SDL's events into race button changes.
class Controllers {
  public:
    Controllers(const ControllerReader::Sink& sink, const ControllerReader::DevicesSink& devices,
                DeviceWait& wait, SDL_JoystickID wakesUs)
        : sink_(sink), devices_(devices), wait_(wait), wakesUs_(wakesUs) {}
    ~Controllers() {
        for (const auto& [id, joystick] : open_) SDL_JoystickClose(joystick);
    }
    Controllers(const Controllers&) = delete;
    Controllers& operator=(const Controllers&) = delete;

    // A millisecond while a controller cannot wake the reader; else a second, for hot-plug.
    std::chrono::milliseconds pause() const {
        return std::chrono::milliseconds(unwatched_.empty() ? 1000 : 1);
    }
    void take(const SDL_Event& event, Moment at);

  private:
    void plugIn(int index);
    void pullOut(SDL_JoystickID id, Moment at);
    int restOf(SDL_JoystickID id, int axis) const;
    void tell(Edge edge, const HeldInputs::Input& input, Moment at);
    std::string guidOf(SDL_JoystickID id) const;
    void tellDevices() const;

    const ControllerReader::Sink& sink_;
    const ControllerReader::DevicesSink& devices_;
    DeviceWait& wait_;
    const SDL_JoystickID wakesUs_;  // a joystick inside the game wakes the reader itself
    HeldInputs held_;
    std::map<SDL_JoystickID, SDL_Joystick*> open_;
    std::set<SDL_JoystickID> unwatched_;
};

void Controllers::take(const SDL_Event& event, Moment at) {
    switch (event.type) {
        case SDL_JOYDEVICEADDED:
            return plugIn(event.jdevice.which);
        case SDL_JOYDEVICEREMOVED:
            return pullOut(event.jdevice.which, at);
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP: {
            const SDL_JoyButtonEvent& b = event.jbutton;
            return tell(held_.button(b.which, b.button, b.state == SDL_PRESSED),
                        {b.which, Kind::Button, b.button}, at);
        }
        case SDL_JOYAXISMOTION: {
            const SDL_JoyAxisEvent& a = event.jaxis;
            return tell(held_.axis(a.which, a.axis, a.value, restOf(a.which, a.axis)),
                        {a.which, Kind::Axis, a.axis}, at);
        }
        case SDL_JOYHATMOTION: {
            const SDL_JoyHatEvent& h = event.jhat;
            return tell(held_.hat(h.which, h.hat, h.value == SDL_HAT_CENTERED),
                        {h.which, Kind::Hat, h.hat}, at);
        }
        default:
            return;
    }
}

void Controllers::plugIn(int index) {
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    if (joystick == nullptr) {
        std::fprintf(stderr, "korvane: a game controller plugged in would not open: %s\n",
                     SDL_GetError());
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
    open_.emplace(id, joystick);
    const char* path = SDL_JoystickPath(joystick);
    if (id != wakesUs_ && (path == nullptr || !wait_.watch(id, path))) unwatched_.insert(id);
    tellDevices();
}

// A controller pulled out while held lets go: the race takes it as the release, now.
void Controllers::pullOut(SDL_JoystickID id, Moment at) {
    for (const HeldInputs::Input& input : held_.unplug(id)) tell(Edge::Up, input, at);
    const auto found = open_.find(id);
    if (found == open_.end()) return;
    wait_.forget(id);
    unwatched_.erase(id);
    SDL_JoystickClose(found->second);
    open_.erase(found);
    tellDevices();
}

// Where the axis lay when the controller was opened: the middle for a stick, an end for most
// pedals and triggers.
int Controllers::restOf(SDL_JoystickID id, int axis) const {
    const auto found = open_.find(id);
    Sint16 rest = 0;
    if (found != open_.end()) SDL_JoystickGetAxisInitialState(found->second, axis, &rest);
    return rest;
}

void Controllers::tell(Edge edge, const HeldInputs::Input& input, Moment at) {
    if (edge != Edge::None) {
        sink_({edge == Edge::Down, held_.held(), at, input, guidOf(std::get<0>(input))});
    }
}

std::string Controllers::guidOf(SDL_JoystickID id) const {
    const auto found = open_.find(id);
    if (found == open_.end()) return {};
    std::array<char, 33> text{};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(found->second), text.data(), text.size());
    return text.data();
}

void Controllers::tellDevices() const {
    if (!devices_) return;
    std::vector<ControllerInfo> seen;
    for (const auto& [id, joystick] : open_) {
        const char* name = SDL_JoystickName(joystick);
        seen.push_back({name != nullptr ? name : "", guidOf(id)});
    }
    devices_(seen);
}

bool startJoysticks() {
    // SDL would otherwise take over SIGINT and SIGTERM, and Ctrl-C would no longer end the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0) return true;
    std::fprintf(stderr, "korvane: game controllers will not work: %s\n", SDL_GetError());
    return false;
}

// For top and the benchmarks.
void nameThisThread() {
#ifdef __linux__
    pthread_setname_np(pthread_self(), "controllers");
#endif
}

}  // namespace

// SDL's subsystems start one at a time: this one is up before the game plays its first sound.
ControllerReader::ControllerReader(Sink sink, DevicesSink devices)
    : sink_(std::move(sink)), devices_(std::move(devices)) {
    std::promise<bool> started;
    std::future<bool> running = started.get_future();
    thread_ =
        std::jthread([this, started = std::move(started)](const std::stop_token& stop) mutable {
            nameThisThread();
            const bool up = startJoysticks();
            started.set_value(up);
            if (up) run(stop);
        });
    running_ = running.get();
}

ControllerReader::~ControllerReader() {
    thread_.request_stop();
    wait_.wake();
}

void ControllerReader::run(const std::stop_token& stop) {
    {
        const ExtraJoystick extra = openExtraJoystick([this] { wait_.wake(); });
        Controllers controllers(sink_, devices_, wait_, extra.id);
        while (!stop.stop_requested()) {
            SDL_Event event;
            // The stamp is taken as SDL hands the event over, just after the device woke the
            // reader; SDL's own stamp is no earlier and counts whole milliseconds.
            while (SDL_PollEvent(&event) != 0) {
                controllers.take(event, std::chrono::steady_clock::now());
            }
            wait_.wait(controllers.pause());
        }
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

}  // namespace korvane::input
