#pragma once

#include <optional>
#include <string>

#include "common/colour.h"

namespace korvane {

enum class ControlKind {
    Label,
    TextBox,
    Frame,
    CommandButton,
    CheckBox,
    OptionButton,
    HScrollBar,
    Shape,
    Line,
    Image,
};

enum class ShapeKind { Rectangle, Circle };
enum class Alignment { Left, Right, Center };
enum class Picture { None, Background, Skull, Title, TrafficLight, Splash };

struct Font {
    std::string face;
    double points = 8.25;
    bool bold = false;
};

// Left, Top, Width, Height in twips, from the top-left corner of the container.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A line's end points in twips, in its container's coordinates.
struct LinePoints {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// One control of a window as plain data. Each kind uses the properties that apply to it;
// colours left empty mean the desktop's system colours (button face, window text).
struct Control {
    std::string name;
    int index = 0;  // members of an option array count from 1; 0 for single controls
    ControlKind kind = ControlKind::Label;
    const Control* container = nullptr;  // nullptr: the window's client area
    Rect rect;
    LinePoints line;

    std::string caption;
    std::string text;
    std::optional<Colour> backColor;
    std::optional<Colour> foreColor;
    std::optional<Colour> borderColor;
    Colour fillColor = 0;
    bool fillSolid = false;  // shapes: solid fill, or outline only
    ShapeKind shape = ShapeKind::Rectangle;
    Alignment alignment = Alignment::Left;
    Font font;
    Picture picture = Picture::None;
    bool visible = true;

    int value = 0;  // check box 0/1, option button 1 when selected, scroll bar position
    int min = 0;
    int max = 0;
    int smallChange = 1;
    int largeChange = 1;

    int tabIndex = -1;     // -1: no tab index (shapes, lines, pictures)
    bool tabStop = false;  // takes the focus by tabbing
    int zOrder = 0;        // 0 is the front within its container and layer

    // Text boxes, buttons, frames, options, the check box and the scroll bar lie above the
    // labels, shapes, lines and pictures of the same container.
    bool isWidget() const;
    std::string displayName() const;
};

}  // namespace korvane
