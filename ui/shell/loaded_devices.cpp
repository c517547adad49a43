#include "ui/shell/loaded_devices.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <cstdio>

namespace korvane::ui {

namespace {

devices::Devices* openDevices(const QString& path, const devices::DeviceHooks& hooks) {
    QLibrary module(path);  // never unloaded: a stuck sound server may still hold its thread
    const auto open = reinterpret_cast<devices::OpenDevices>(module.resolve(devices::kOpenDevices));
    if (open == nullptr) {
        std::fprintf(
            stderr,
            "korvane: no devices module (%s); the game plays without sound or controllers\n",
            qUtf8Printable(module.errorString()));
        return nullptr;
    }
    return open(&hooks);
}

}  // namespace

QString devicesModulePath(const QString& file) {
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(KORVANE_MODULES_FROM_BIN);
    return QDir::cleanPath(folder + QLatin1Char('/') + file);
}

LoadedDevices::LoadedDevices(QString modulePath, MessageBoxes& messages)
    : modulePath_(std::move(modulePath)), messages_(messages) {}

// The module's objects go before the thread that made them is joined, and never after it.
LoadedDevices::~LoadedDevices() {
    if (done_.valid()) done_.wait();
    devices_.reset();
}

void LoadedDevices::load(input::ControllerReader::Sink changes,
                         input::ControllerReader::DevicesSink devices) {
    std::call_once(started_, [&] {
        std::packaged_task<void()> task(
            [this,
             hooks = devices::DeviceHooks{&messages_, std::move(changes), std::move(devices)}] {
                devices_.reset(openDevices(modulePath_, hooks));
            });
        done_ = task.get_future().share();
        loader_ = std::jthread(std::move(task));
    });
}

devices::Devices* LoadedDevices::loaded() {
    load({}, {});
    done_.wait();
    return devices_.get();
}

void LoadedDevices::closeControllers() {
    if (!done_.valid()) return;
    done_.wait();
    if (devices_) devices_->closeControllers();
}

void LoadedDevices::PlayWave(const std::string& path) {
    if (devices::Devices* devices = loaded()) devices->player().PlayWave(path);
}

}  // namespace korvane::ui
