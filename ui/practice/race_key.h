#pragma once

#include <QObject>

namespace korvane::ui {

class RaceWindow;

// A key of the racer's choosing as the race button, whichever of the game's windows has the
// focus (not a dialog, not a text field): going down stages as a mouse press does and coming up
// launches, stamped with the key event's own time; auto-repeat is ignored, and every other key
// keeps its meaning.
class RaceKey : public QObject {
  public:
    explicit RaceKey(RaceWindow& race);
    ~RaceKey() override;
    // 0 for none.
    void setKey(int key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool forRace(QObject* watched) const;

    RaceWindow& race_;
    int key_ = 0;
    bool held_ = false;
};

}  // namespace korvane::ui
