#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/timer.h"
#include "race/control.h"
#include "race/surface.h"

namespace korvane {

// The race window's controls and timers in their initial state: positions in twips, contents,
// colours, fonts, visibility, tab order and stacking.
class MainForm {
  public:
    static constexpr const char* kCaption = "Korvane - By Vantrel";
    static constexpr int kClientWidth = 9555;  // twips
    static constexpr int kClientHeight = 6825;

    MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;
    virtual ~MainForm() = default;

    Font font{"MS Sans Serif", 8.25, false};

    // The light tree.
    Control Label1, Label2;
    Control Shape1, Shape2, Shape3, Shape4, Shape5;
    Control Shape6, Shape7, Shape8, Shape9, Shape10;
    Control Shape13;
    // The overhead board.
    Control Text1, Text2, Text3, Text4, Line2;
    // Pictures.
    Control Image1, Image2, Image3;
    // The dashboard.
    Control Text5, Text6, Text7, Text8;
    Control Command1, Command2, Command3;
    // The setup panel.
    Control Shape11, Frame1, Frame2, Image4, Check1, Shape14, Label3, Line1, RollOut, Shape12;
    std::array<Control, 3> Tree;   // [0] unused: members count from 1
    std::array<Control, 6> Level;  // [0] unused

    // The timers by role; their names are the window's.
    Timer playerSequencer{"Timer1", 500};    // Standard Tree, player lane
    Timer computerSequencer{"Timer2", 500};  // Standard Tree, computer lane
    Timer proSequencer{"Timer3", 400};       // Pro Tree, both lanes
    Timer reactionClockTicker{"Timer5", 2};  // a thousandth on the reaction clock per tick
    Timer stagingWalk{"Timer6", 800};

    // Every control, in no particular order.
    std::vector<Control*> controls();
    std::vector<const Control*> controls() const;
    std::vector<Timer*> timers();

    // Immediate repaints go to the surface when one is attached.
    void setSurface(Surface* surface) { surface_ = surface; }
    void refresh(const Control& control);
    void refreshWindow();

  private:
    Surface* surface_ = nullptr;
};

}  // namespace korvane
