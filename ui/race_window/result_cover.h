#pragma once

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QWidget;

namespace korvane {
class Main;
}

namespace korvane::ui {

// The results blocker's cover: patches over the board's times and flags, the result lamps and
// skulls, and the win counts, put up at each launch until the racer asks to see (a click on a
// patch or the R key, as the patches say). Staging the next race takes the board's and the
// lamps' patches away, as the race clears what they hide, and leaves the counts covered.
class ResultCover : public QObject {
  public:
    ResultCover(QWidget& race, const Main& main);
    ~ResultCover() override;

    void setOn(bool on);
    bool on() const { return on_; }
    // Before a launch is judged, so its outcome is never on screen uncovered.
    void launching();
    void staged();
    void reveal();
    bool covering() const;
    void onRevealed(std::function<void()> revealed) { revealed_ = std::move(revealed); }

  private:
    void makePatches();
    QLabel* patch(const QRect& area, const QString& text);

    const Main& main_;
    std::array<QLabel*, 3> patches_{};  // board, lamps, counts; none until first on
    QAction* ask_;
    bool on_ = false;
    std::function<void()> revealed_;
};

}  // namespace korvane::ui
