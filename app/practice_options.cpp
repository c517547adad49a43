#include "app/practice_options.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace korvane {

namespace {

std::optional<long long> readWhole(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<long long> readFlag(const std::string& text) {
    if (text == "true") return 1;
    if (text == "false") return 0;
    return readWhole(text);
}

std::string range(const OptionDeclaration& option) {
    return std::to_string(option.lowest) + " to " + std::to_string(option.highest);
}

// A number or flag as stored, within its range; `problems` tells what was not.
int readNumber(const OptionDeclaration& option, const std::string& text, bool flag,
               std::vector<std::string>& problems) {
    const std::string said = std::string(option.key) + "=" + text;
    const std::optional<long long> value = flag ? readFlag(text) : readWhole(text);
    if (!value) {
        problems.push_back(said + " is not " + (flag ? "true or false" : "a whole number") + ": " +
                           std::to_string(option.fallback) + " used");
        return option.fallback;
    }
    const long long kept = std::clamp<long long>(*value, option.lowest, option.highest);
    if (kept != *value) {
        problems.push_back(said + " is outside " + range(option) + ": " + std::to_string(kept) +
                           " used");
    }
    return static_cast<int>(kept);
}

}  // namespace

const OptionDeclaration& declarationOf(int PracticeOptions::*field) {
    for (const OptionDeclaration& option : kPracticeOptions) {
        const auto* number = std::get_if<int PracticeOptions::*>(&option.field);
        if (number != nullptr && *number == field) return option;
    }
    throw std::logic_error("a practice choice without a declaration");
}

PracticeOptions defaultPracticeOptions() {
    std::vector<std::string> none;
    return readPracticeOptions([](const std::string&) { return std::nullopt; }, none);
}

PracticeOptions readPracticeOptions(const OptionReader& read, std::vector<std::string>& problems) {
    PracticeOptions options;
    for (const OptionDeclaration& option : kPracticeOptions) {
        const std::optional<std::string> text = read(option.key);
        std::visit(
            [&](auto field) {
                using Value = std::remove_reference_t<decltype(options.*field)>;
                if constexpr (std::is_same_v<Value, std::string>) {
                    options.*field = text.value_or(std::string());
                } else if (!text) {
                    options.*field = static_cast<Value>(option.fallback);
                } else {
                    options.*field = static_cast<Value>(
                        readNumber(option, *text, std::is_same_v<Value, bool>, problems));
                }
            },
            option.field);
    }
    return options;
}

void writePracticeOptions(const PracticeOptions& options, const OptionWriter& write) {
    for (const OptionDeclaration& option : kPracticeOptions) {
        std::visit(
            [&](auto field) {
                using Value = std::remove_cvref_t<decltype(options.*field)>;
                if constexpr (std::is_same_v<Value, std::string>) {
                    write(option.key, options.*field);
                } else if constexpr (std::is_same_v<Value, bool>) {
                    write(option.key, options.*field ? "true" : "false");
                } else {
                    write(option.key, std::to_string(options.*field));
                }
            },
            option.field);
    }
}

}  // namespace korvane
