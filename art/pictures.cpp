#include "pictures.h"

namespace korvane::art {

std::vector<const char*> allPictures() {
    return {kBackground, kSkull, kSplash, kTitle, kTrafficLight, kTrafficLight16};
}

}  // namespace korvane::art
