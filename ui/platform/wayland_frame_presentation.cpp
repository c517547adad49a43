#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <ctime>
#include <list>
#include <string_view>

#include "presentation-time-client-protocol.h"
#include "ui/timing/frame_presentation.h"

namespace korvane::ui {

namespace {

struct Request {
    FramePresentation::Binding* binding = nullptr;
    struct wp_presentation_feedback* feedback = nullptr;
    std::function<void(const Presentation&)> done;
};

std::chrono::nanoseconds sinceEpoch(const timespec& t) {
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// Only clocks that never jump: a reading on one converts to the steady clock by the distance
// from a reading of both taken now (weston, for one, reports on CLOCK_MONOTONIC_RAW).
bool isSteady(clockid_t clock) {
    return clock == CLOCK_MONOTONIC || clock == CLOCK_MONOTONIC_RAW;
}

Moment toSteady(clockid_t clock, const timespec& at) {
    timespec now{};
    clock_gettime(clock, &now);
    const Moment steadyNow = std::chrono::steady_clock::now();
    return steadyNow -
           std::chrono::duration_cast<Moment::duration>(sinceEpoch(now) - sinceEpoch(at));
}

void* nativeResource(const char* name, QWindow* window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native) return nullptr;
    return window ? native->nativeResourceForWindow(name, window)
                  : native->nativeResourceForIntegration(name);
}

}  // namespace

// The compositor's wp_presentation, bound on a private queue and then handed to the default
// queue, which Qt dispatches on the GUI thread: every feedback event arrives there.
struct FramePresentation::Binding {
    wl_display* display = nullptr;
    wp_presentation* presentation = nullptr;
    clockid_t clock = CLOCK_REALTIME;
    bool clockKnown = false;
    std::list<Request> requests;

    explicit Binding(wl_display* d);
    ~Binding();
    void finish(Request* request, const Presentation& outcome);
};

namespace {

void onClock(void* data, wp_presentation*, uint32_t clock) {
    auto* binding = static_cast<FramePresentation::Binding*>(data);
    binding->clock = static_cast<clockid_t>(clock);
    binding->clockKnown = true;
}
const wp_presentation_listener kPresentationListener{onClock};

void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* binding = static_cast<FramePresentation::Binding*>(data);
    if (std::string_view(interface) != wp_presentation_interface.name) return;
    binding->presentation = static_cast<wp_presentation*>(
        wl_registry_bind(registry, name, &wp_presentation_interface, 1));
    // At once: the clock event may be dispatched in the same pass as the roundtrip's end.
    wp_presentation_add_listener(binding->presentation, &kPresentationListener, binding);
}
void onGlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

void onSyncOutput(void*, struct wp_presentation_feedback*, wl_output*) {}

void onPresented(void* data, struct wp_presentation_feedback*, uint32_t secondsHigh,
                 uint32_t secondsLow, uint32_t nanoseconds, uint32_t refresh, uint32_t, uint32_t,
                 uint32_t) {
    auto* request = static_cast<Request*>(data);
    timespec at{};
    at.tv_sec = static_cast<time_t>((uint64_t{secondsHigh} << 32) | secondsLow);
    at.tv_nsec = static_cast<long>(nanoseconds);
    const Presentation outcome{true, toSteady(request->binding->clock, at),
                               std::chrono::nanoseconds(refresh)};
    request->binding->finish(request, outcome);
}

void onDiscarded(void* data, struct wp_presentation_feedback*) {
    auto* request = static_cast<Request*>(data);
    request->binding->finish(request, Presentation{});
}
const wp_presentation_feedback_listener kFeedbackListener{onSyncOutput, onPresented, onDiscarded};

}  // namespace

FramePresentation::Binding::Binding(wl_display* d) : display(d) {
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_registry_add_listener(registry, &kRegistryListener, this);
    wl_display_roundtrip_queue(display, queue);
    if (presentation) {
        wl_display_roundtrip_queue(display, queue);
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(presentation), nullptr);
    }
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapped);
    wl_event_queue_destroy(queue);
}

FramePresentation::Binding::~Binding() {
    for (Request& request : requests) wp_presentation_feedback_destroy(request.feedback);
    if (presentation) wp_presentation_destroy(presentation);
}

void FramePresentation::Binding::finish(Request* request, const Presentation& outcome) {
    const auto done = std::move(request->done);
    wp_presentation_feedback_destroy(request->feedback);
    requests.remove_if([request](const Request& r) { return &r == request; });
    done(outcome);
}

FramePresentation::FramePresentation(QWidget& window) : window_(window) {
    auto* display = static_cast<wl_display*>(nativeResource("wl_display", nullptr));
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) || !display) return;
    binding_ = std::make_unique<Binding>(display);
}

FramePresentation::~FramePresentation() = default;

bool FramePresentation::available() const {
    return binding_ && binding_->presentation && binding_->clockKnown && isSteady(binding_->clock);
}

// The surface is looked up each time: Qt makes a new one when a hidden window shows again.
bool FramePresentation::requestNext(std::function<void(const Presentation&)> done) {
    if (!available()) return false;
    auto* surface = static_cast<wl_surface*>(nativeResource("surface", window_.windowHandle()));
    if (!surface) return false;
    Request& request = binding_->requests.emplace_back();
    request.binding = binding_.get();
    request.done = std::move(done);
    request.feedback = wp_presentation_feedback(binding_->presentation, surface);
    wp_presentation_feedback_add_listener(request.feedback, &kFeedbackListener, &request);
    return true;
}

}  // namespace korvane::ui
