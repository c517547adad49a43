#include "main_form.h"

#include "race/skill_levels.h"

namespace korvane {

namespace {

const Font kDigital{"Digital SF", 27.75, false};
const Font kDigitalFlag{"Digital SF", 21.75, false};
const Font kCounter{"MS Sans Serif", 13.5, false};
const Font kButton{"MS Sans Serif", 12, true};
const Font kFrameTitle{"MS Sans Serif", 9.75, true};

Control make(const char* name, ControlKind kind, Rect rect, const Font& font) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.rect = rect;
    c.font = font;
    return c;
}

Control lamp(const char* name, int left, int top, Colour dim) {
    Control c = make(name, ControlKind::Shape, {left, top, 255, 255}, {});
    c.shape = ShapeKind::Circle;
    c.fillSolid = true;
    c.fillColor = dim;
    return c;
}

Control indicator(const char* name, int top, int tabIndex) {
    Control c = make(name, ControlKind::Label, {2790, top, 855, 195}, {});
    c.backColor = colour::kWhite;
    c.foreColor = colour::kBlack;
    c.alignment = Alignment::Center;
    c.tabIndex = tabIndex;
    return c;
}

Control blackBox(const char* name, Rect rect, const char* text, const Font& font, int tabIndex) {
    Control c = make(name, ControlKind::TextBox, rect, font);
    c.text = text;
    c.backColor = colour::kBlack;
    c.foreColor = colour::kWhite;
    c.alignment = Alignment::Right;
    c.tabIndex = tabIndex;
    return c;
}

Control button(const char* name, Rect rect, const char* caption, Colour back, int tabIndex) {
    Control c = make(name, ControlKind::CommandButton, rect, kButton);
    c.caption = caption;
    c.backColor = back;
    c.tabIndex = tabIndex;
    c.tabStop = true;
    return c;
}

Control picture(const char* name, Rect rect, Picture art, bool visible) {
    Control c = make(name, ControlKind::Image, rect, {});
    c.picture = art;
    c.visible = visible;
    return c;
}

Control outline(const char* name, Rect rect) {
    Control c = make(name, ControlKind::Shape, rect, {});
    c.fillSolid = false;
    return c;
}

Control option(const char* name, int index, Rect rect, const char* caption, bool selected,
               int tabIndex, const Font& font) {
    Control c = make(name, ControlKind::OptionButton, rect, font);
    c.index = index;
    c.caption = caption;
    c.value = selected ? 1 : 0;
    c.tabIndex = tabIndex;
    c.tabStop = true;
    return c;
}

void stack(std::initializer_list<Control*> frontToBack) {
    int z = 0;
    for (Control* c : frontToBack) c->zOrder = z++;
}

}  // namespace

MainForm::MainForm() {
    Label1 = indicator("Label1", 1425, 2);
    Label2 = indicator("Label2", 1650, 3);

    Shape10 = lamp("Shape10", 2895, 1920, colour::kDimAmber);
    Shape9 = lamp("Shape9", 2895, 2235, colour::kDimAmber);
    Shape8 = lamp("Shape8", 2895, 2550, colour::kDimAmber);
    Shape7 = lamp("Shape7", 2895, 2865, colour::kDimGreen);
    Shape6 = lamp("Shape6", 2895, 3180, colour::kDimRed);
    Shape1 = lamp("Shape1", 3315, 1920, colour::kDimAmber);
    Shape2 = lamp("Shape2", 3315, 2235, colour::kDimAmber);
    Shape3 = lamp("Shape3", 3315, 2550, colour::kDimAmber);
    Shape4 = lamp("Shape4", 3315, 2865, colour::kDimGreen);
    Shape5 = lamp("Shape5", 3315, 3180, colour::kDimRed);
    Shape13 = make("Shape13", ControlKind::Shape, {3165, 1590, 135, 1875}, {});
    Shape13.fillSolid = true;
    Shape13.fillColor = colour::kGrey;

    Text2 = blackBox("Text2", {1095, 240, 2145, 765}, "Computer", kDigital, 1);
    Text1 = blackBox("Text1", {3360, 240, 1935, 765}, "Player", kDigital, 0);
    Text3 = blackBox("Text3", {1800, 900, 1335, 465}, "Winner", kDigitalFlag, 4);
    Text4 = blackBox("Text4", {3960, 900, 1335, 465}, "Winner", kDigitalFlag, 5);
    Text3.visible = false;
    Text4.visible = false;
    Line2 = make("Line2", ControlKind::Line, {}, {});
    Line2.line = {3240, 240, 3240, 1320};
    Line2.borderColor = colour::kWhite;

    Image2 = picture("Image2", {1260, 2100, 1500, 1125}, Picture::Skull, false);
    Image1 = picture("Image1", {3675, 2100, 1500, 1125}, Picture::Skull, false);
    Image3 = picture("Image3", {5565, 105, 3330, 990}, Picture::Title, true);

    Text5 = blackBox("Text5", {6840, 5040, 1335, 345}, "Computer:", kCounter, 6);
    Text8 = blackBox("Text8", {8160, 5040, 855, 345}, "0", kCounter, 9);
    Text6 = blackBox("Text6", {6840, 5640, 1335, 345}, "Player:", kCounter, 7);
    Text7 = blackBox("Text7", {8160, 5640, 855, 345}, "0", kCounter, 8);

    Command1 = button("Command1", {6240, 6120, 1455, 615}, "Stage (Down)", colour::kDarkGreen, 10);
    Command3 = button("Command3", {7770, 6120, 855, 615}, "Setup", colour::kBlue, 15);
    Command2 = button("Command2", {8640, 6120, 855, 615}, "Quit", colour::kRed, 11);

    Shape11 = make("Shape11", ControlKind::Shape, {6300, 945, 3165, 4005}, {});
    Shape11.fillSolid = true;
    Shape11.fillColor = colour::kBlue;
    Shape11.borderColor = colour::kCyan;
    Shape11.visible = false;

    Frame1 = make("Frame1", ControlKind::Frame, {6510, 1050, 2775, 3690}, kFrameTitle);
    Frame1.caption = "Korvane Setup";
    Frame1.visible = false;
    Frame1.tabIndex = 12;

    Frame2 = make("Frame2", ControlKind::Frame, {120, 240, 1590, 870}, font);
    Frame2.container = &Frame1;
    Frame2.caption = "Timing Options";
    Frame2.tabIndex = 21;
    Tree[1] = option("Tree", 1, {105, 240, 1065, 255}, "Pro Tree", false, 22, font);
    Tree[2] = option("Tree", 2, {105, 525, 1395, 255}, "Standard Tree", true, 23, font);
    Tree[1].container = Tree[2].container = &Frame2;

    Image4 = picture("Image4", {1995, 420, 480, 480}, Picture::TrafficLight, true);
    Check1 = make("Check1", ControlKind::CheckBox, {105, 1155, 1905, 330}, font);
    Check1.caption = "Mute Sound Effects";
    Check1.tabIndex = 24;
    Check1.tabStop = true;
    Shape14 = outline("Shape14", {90, 1575, 2595, 750});
    Label3 = make("Label3", ControlKind::Label, {120, 1680, 2535, 255}, font);
    Label3.caption = "Less             <Rollout>             More";
    Label3.tabIndex = 14;
    Line1 = make("Line1", ControlKind::Line, {}, {});
    Line1.line = {120, 1890, 2640, 1890};
    RollOut = make("RollOut", ControlKind::HScrollBar, {120, 2010, 2535, 135}, font);
    RollOut.min = 455;
    RollOut.max = 475;
    RollOut.value = 465;
    RollOut.tabIndex = 13;
    RollOut.tabStop = true;
    Shape12 = outline("Shape12", {90, 2310, 2600, 1275});

    const int levelWidths[] = {0, 2445, 2175, 1455, 1695, 1815};
    for (int i = 1; i <= 5; ++i) {
        Level[i] = option("Level", i, {120, 2355 + 240 * (i - 1), levelWidths[i], 255},
                          kLevelCaptions[static_cast<std::size_t>(i)], i == 3, 15 + i, font);
    }
    for (Control* c : {&Image4, &Check1, &Shape14, &Label3, &Line1, &RollOut, &Shape12, &Frame2,
                       &Level[1], &Level[2], &Level[3], &Level[4], &Level[5]}) {
        c->container = &Frame1;
    }

    stack({&Command3, &Frame1, &Command2, &Command1, &Text8, &Text7, &Text6, &Text5, &Text3, &Text4,
           &Text2, &Text1});
    stack({&Shape11, &Label2, &Image3, &Image2, &Image1, &Label1, &Shape10, &Shape9, &Shape8,
           &Shape7, &Shape6, &Shape5, &Shape4, &Shape3, &Shape2, &Shape1, &Shape13, &Line2});
    stack({&Check1, &Frame2, &Level[5], &Level[4], &Level[3], &Level[2], &Level[1], &RollOut});
    stack({&Tree[1], &Tree[2]});
    stack({&Image4, &Shape14, &Shape12, &Line1, &Label3});
}

std::vector<Control*> MainForm::controls() {
    return {&Label1,   &Label2,   &Shape1,   &Shape2,   &Shape3,  &Shape4,  &Shape5,  &Shape6,
            &Shape7,   &Shape8,   &Shape9,   &Shape10,  &Shape13, &Text1,   &Text2,   &Text3,
            &Text4,    &Line2,    &Image1,   &Image2,   &Image3,  &Text5,   &Text6,   &Text7,
            &Text8,    &Command1, &Command2, &Command3, &Shape11, &Frame1,  &Frame2,  &Image4,
            &Check1,   &Shape14,  &Label3,   &Line1,    &RollOut, &Shape12, &Tree[1], &Tree[2],
            &Level[1], &Level[2], &Level[3], &Level[4], &Level[5]};
}

std::vector<const Control*> MainForm::controls() const {
    auto all = const_cast<MainForm*>(this)->controls();
    return {all.begin(), all.end()};
}

std::vector<Timer*> MainForm::timers() {
    return {&playerSequencer, &computerSequencer, &proSequencer, &reactionClockTicker,
            &stagingWalk};
}

void MainForm::refresh(const Control& control) {
    if (surface_) surface_->refresh(control);
}

void MainForm::refreshWindow() {
    if (surface_) surface_->refreshWindow();
}

}  // namespace korvane
