#include "app/practice_options.h"

#include <gtest/gtest.h>

#include <map>

namespace korvane {
namespace {

using File = std::map<std::string, std::string>;

PracticeOptions readFrom(const File& file, std::vector<std::string>& problems) {
    return readPracticeOptions(
        [&file](const std::string& key) -> std::optional<std::string> {
            const auto found = file.find(key);
            if (found == file.end()) return std::nullopt;
            return found->second;
        },
        problems);
}

TEST(PracticeOptions, AnEmptyFileGivesEveryAidOffWithNothingToTell) {
    std::vector<std::string> problems;
    const PracticeOptions read = readFrom({}, problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(read, defaultPracticeOptions());
    // Every aid is off until the racer turns it on.
    EXPECT_FALSE(read.randomDelay || read.blocker || read.carDelayMs != 0 || read.raceKey != 0);
}

// A value is kept as it is inside its range, clamped to the nearer end outside it and its
// default when it is no number at all; the last two are told once each.
TEST(PracticeOptions, EachStoredValueIsKeptInTheRangeTheDialogOffers) {
    struct Row {
        const char* key;
        const char* stored;
        int PracticeOptions::*field;
        int expected;
        bool told;
    };
    const Row rows[] = {
        {"startDelay/fromMs", "750", &PracticeOptions::delayFromMs, 750, false},
        {"startDelay/fromMs", "99999999", &PracticeOptions::delayFromMs, 10000, true},
        {"startDelay/toMs", "99999999", &PracticeOptions::delayToMs, 10000, true},
        {"startDelay/toMs", "-5", &PracticeOptions::delayToMs, 100, true},
        {"startDelay/toMs", "99999999999999999999", &PracticeOptions::delayToMs, 2000, true},
        {"startDelay/fromMs", "0.5", &PracticeOptions::delayFromMs, 500, true},
        {"carDelay/ms", "400", &PracticeOptions::carDelayMs, 400, false},
        {"carDelay/ms", "2999", &PracticeOptions::carDelayMs, 2999, false},
        {"carDelay/ms", "3000", &PracticeOptions::carDelayMs, 2999, true},
        {"carDelay/ms", "-1", &PracticeOptions::carDelayMs, 0, true},
        {"carDelay/ms", "", &PracticeOptions::carDelayMs, 0, true},
        {"controller/kind", "7", &PracticeOptions::controllerKind, 2, true},
        {"raceKey/key", "-70", &PracticeOptions::raceKey, 0, true},
    };
    for (const Row& row : rows) {
        std::vector<std::string> problems;
        const PracticeOptions read = readFrom({{row.key, row.stored}}, problems);
        EXPECT_EQ(read.*row.field, row.expected) << row.key << "=" << row.stored;
        EXPECT_EQ(problems.size(), row.told ? 1U : 0U) << row.key << "=" << row.stored;
    }
}

TEST(PracticeOptions, FlagsReadAsTheSettingsFileWritesThem) {
    const std::pair<const char*, bool> rows[] = {{"true", true}, {"false", false}, {"1", true},
                                                 {"0", false},   {"yes", false},   {"2", true}};
    for (const auto& [stored, expected] : rows) {
        std::vector<std::string> problems;
        const PracticeOptions read = readFrom({{"blocker/on", stored}}, problems);
        EXPECT_EQ(read.blocker, expected) << stored;
    }
}

TEST(PracticeOptions, WhatIsWrittenReadsBackTheSame) {
    PracticeOptions chosen = defaultPracticeOptions();
    chosen.randomDelay = true;
    chosen.delayFromMs = 300;
    chosen.raceKeyName = "F, G";
    chosen.controllerGuid = "0300abcd";
    chosen.controllerIndex = 3;
    chosen.carDelayMs = 1130;
    chosen.blocker = true;
    File file;
    writePracticeOptions(
        chosen, [&file](const std::string& key, const std::string& value) { file[key] = value; });
    std::vector<std::string> problems;
    EXPECT_EQ(readFrom(file, problems), chosen);
    EXPECT_TRUE(problems.empty());
}

}  // namespace
}  // namespace korvane
