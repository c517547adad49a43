#include "race/lane.h"

namespace korvane {

void Lane::setAmbers(Colour colour) const {
    for (Control* amber : ambers()) amber->fillColor = colour;
}

void Lane::putOut() const {
    setAmbers(colour::kDimAmber);
    green.fillColor = colour::kDimGreen;
    red.fillColor = colour::kDimRed;
}

void Lane::lightGreen(bool proTree) const {
    if (proTree) {
        topAmber.fillColor = colour::kDimAmber;
        middleAmber.fillColor = colour::kDimAmber;
    }
    bottomAmber.fillColor = colour::kDimAmber;
    green.fillColor = colour::kLitGreen;
}

void Lane::lightRed() const {
    green.fillColor = colour::kDimGreen;
    red.fillColor = colour::kLitRed;
}

}  // namespace korvane
