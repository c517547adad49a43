#include "pictures.h"

namespace korvane::art {

std::vector<const char*> allPictures() {
    return {kBackground, kSkull, kSplash, kTitle, kTrafficLight, kTrafficLight16};
}

std::string renderedPath(const char* picture) {
    const std::string path = picture;
    if (path == kBackground) return ":/pictures/background.png";
    if (path == kSplash) return ":/pictures/splash.png";
    return {};
}

std::string iconPath(int size) {
    std::string path = ":/icons/";
    path += std::to_string(size) + ".png";
    return path;
}

}  // namespace korvane::art
