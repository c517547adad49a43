#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace korvane {

// The racer's practice choices, kept between runs of the game; every one is off until the racer
// turns it on. Their keys, defaults and ranges are declared once, in kPracticeOptions.
struct PracticeOptions {
    bool randomDelay = false;
    int delayFromMs = 0;
    int delayToMs = 0;
    int raceKey = 0;  // a Qt::Key; 0 for none
    std::string raceKeyName;
    std::string controllerGuid;  // empty: every controller's inputs
    int controllerKind = 0;
    int controllerIndex = 0;
    std::string controllerName;
    int carDelayMs = 0;  // the car's own time from the release to leaving, as a delay box holds it
    bool blocker = false;

    bool operator==(const PracticeOptions&) const = default;
};

// One choice as the settings file keeps it. Flags and numbers fall back to `fallback` and stay
// within lowest..highest; texts have no range.
struct OptionDeclaration {
    using Field = std::variant<bool PracticeOptions::*, int PracticeOptions::*,
                               std::string PracticeOptions::*>;
    const char* key;
    Field field;
    int fallback = 0;
    int lowest = 0;
    int highest = 0;
};

inline const std::array<OptionDeclaration, 11> kPracticeOptions{{
    {"startDelay/on", &PracticeOptions::randomDelay, 0, 0, 1},
    {"startDelay/fromMs", &PracticeOptions::delayFromMs, 500, 100, 10000},
    {"startDelay/toMs", &PracticeOptions::delayToMs, 2000, 100, 10000},
    {"raceKey/key", &PracticeOptions::raceKey, 0, 0, 0x01ffffff},
    {"raceKey/name", &PracticeOptions::raceKeyName},
    {"controller/guid", &PracticeOptions::controllerGuid},
    {"controller/kind", &PracticeOptions::controllerKind, 0, 0, 2},
    {"controller/index", &PracticeOptions::controllerIndex, 0, 0, 255},
    {"controller/name", &PracticeOptions::controllerName},
    {"carDelay/ms", &PracticeOptions::carDelayMs, 0, 0, 2999},
    {"blocker/on", &PracticeOptions::blocker, 0, 0, 1},
}};

// The declaration of one number's field, for the dialog's ranges.
const OptionDeclaration& declarationOf(int PracticeOptions::*field);

PracticeOptions defaultPracticeOptions();

// A stored value as text by its key; none where the file has none.
using OptionReader = std::function<std::optional<std::string>(const std::string& key)>;
using OptionWriter = std::function<void(const std::string& key, const std::string& value)>;

// The choices as stored: a missing value is its default, one that is not a number its default
// and one out of range the nearest end of it; each of those two is told in `problems`.
PracticeOptions readPracticeOptions(const OptionReader& read, std::vector<std::string>& problems);
void writePracticeOptions(const PracticeOptions& options, const OptionWriter& write);

}  // namespace korvane
