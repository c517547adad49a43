// Writes where everything lies on the windows, for the scripts that drive the real game: a row
// for the race window and one for the splash window (their client areas), then a row for each
// control of the race window in client-area pixels, each with its caption.
// Usage: korvane_write_layout OUTPUT_FILE
#include <QRect>
#include <fstream>
#include <iostream>
#include <string>

#include "app/splash_form.h"
#include "race/main_form.h"
#include "ui/kit/control_geometry.h"

namespace {

void writeRow(std::ostream& out, const std::string& name, const QRect& r,
              const std::string& caption) {
    out << name << '\t' << r.left() << '\t' << r.top() << '\t' << r.width() << '\t' << r.height()
        << '\t' << caption << '\n';
}

QRect clientArea(int widthTwips, int heightTwips) {
    return {0, 0, korvane::ui::toPixels(widthTwips), korvane::ui::toPixels(heightTwips)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: korvane_write_layout OUTPUT_FILE\n";
        return 2;
    }
    using namespace korvane;
    const MainForm form;
    std::ofstream out(argv[1]);
    out << "# name\tleft\ttop\twidth\theight\tcaption (pixels in the client area)\n";
    writeRow(out, "Main", clientArea(MainForm::kClientWidth, MainForm::kClientHeight),
             MainForm::kCaption);
    writeRow(out, "Splash", clientArea(SplashForm::kClientWidth, SplashForm::kClientHeight), "");
    for (const Control* c : form.controls()) {
        writeRow(out, c->displayName(), ui::clientPixelBounds(*c), c->caption);
    }
    out.close();
    if (!out) {
        std::cerr << "korvane_write_layout: could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
