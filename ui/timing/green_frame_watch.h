#pragma once

#include <QObject>
#include <functional>

#include "race/control.h"
#include "ui/timing/green_onset.h"

class QWidget;

namespace korvane::ui {

// Watches the race window's frames for the first that shows the player's lit green and tells
// the onset source just before that frame is painted and right after it is flushed.
class GreenFrameWatch : public QObject {
  public:
    // Gives the report for the frame about to show the green, bound to the race it belongs to.
    using ReportFor = std::function<GreenOnsetSource::Report()>;

    GreenFrameWatch(QWidget& window, const Control& green, GreenOnsetSource& source,
                    ReportFor reportFor);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    const Control& green_;
    GreenOnsetSource& source_;
    ReportFor reportFor_;
    bool greenOnScreen_ = false;
};

}  // namespace korvane::ui
