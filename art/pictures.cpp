#include "pictures.h"

#include <string_view>
#include <utility>

namespace korvane::art {

std::vector<const char*> allPictures() {
    return {kBackground, kSkull, kSplash, kTitle, kTrafficLight, kTrafficLight16};
}

std::string renderedPath(const char* picture) {
    const std::pair<const char*, const char*> rendered[] = {
        {kBackground, ":/pictures/background.png"},
        {kSkull, ":/pictures/skull.png"},
        {kSplash, kSplashRendered},
        {kTitle, ":/pictures/title.png"},
        {kTrafficLight, ":/pictures/traffic_light.png"}};
    for (const auto& [svg, png] : rendered) {
        if (std::string_view(picture) == svg) return png;
    }
    return {};
}

std::string iconPath(int size) {
    std::string path = ":/icons/";
    path += std::to_string(size) + ".png";
    return path;
}

}  // namespace korvane::art
