#include "font_choice.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>

namespace korvane::ui {

namespace {

const std::map<std::string, QString> kStandIns = {
    {"Digital SF", "DSEG7 Classic"},
    {"MS Sans Serif", "Liberation Sans"},
};

int pixelsFor(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

}  // namespace

QString chooseFamily(const std::string& face) {
    const QString wanted = QString::fromStdString(face);
    if (QFontDatabase::families().contains(wanted)) return wanted;
    const auto standIn = kStandIns.find(face);
    return standIn == kStandIns.end() ? wanted : standIn->second;
}

QFont chooseFont(const Font& font, const Font& windowFont) {
    const Font& chosen = font.face.empty() ? windowFont : font;
    QFont qfont(chooseFamily(chosen.face));
    qfont.setPixelSize(pixelsFor(chosen.points));
    qfont.setBold(chosen.bold);
    return qfont;
}

// Starts from the proportional guess and steps on while the glyphs' rounded advances still
// overflow.
QFont fitToWidth(QFont font, const QString& text, int width, int narrowest) {
    font.setStretch(QFont::Unstretched);
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= width || width <= 0) return font;
    int stretch = std::max(narrowest, width * QFont::Unstretched / advance);
    font.setStretch(stretch);
    while (stretch > narrowest && QFontMetrics(font).horizontalAdvance(text) > width) {
        font.setStretch(--stretch);
    }
    return font;
}

}  // namespace korvane::ui
