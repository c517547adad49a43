#include "pictures.h"

namespace korvane::art {

std::vector<const char*> allPictures() {
    return {kBackground, kSkull, kSplash, kTitle, kTrafficLight, kTrafficLight16};
}

std::string iconPath(int size) {
    std::string path = ":/icons/";
    path += std::to_string(size) + ".png";
    return path;
}

}  // namespace korvane::art
