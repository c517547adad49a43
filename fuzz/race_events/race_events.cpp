#include "fuzz/race_events/race_events.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace korvane::fuzz {

std::uint32_t ByteChoices::below(std::uint32_t n) {
    std::uint32_t value = 0;
    for (std::uint32_t span = 1; span < n && at_ < size_; span <<= 8) {
        value = value << 8 | data_[at_++];
    }
    return value % n;
}

namespace {

enum class Op {
    Press,
    Release,
    Advance,
    Block,
    Setup,
    Tree,
    Level,
    RollOut,
    Mute,
    Type,
    Wins,
    Sound
};

// Braced lists keep the choices in the order written: they are drawn left to right.
struct Action {
    Action(Op o, int first = 0, int second = 0, std::string typed = {})
        : op(o), a(first), b(second), text(std::move(typed)) {}
    Op op;
    int a;
    int b;
    std::string text;
};

// Times a player might type over the computer's: near the red-light lines, where ties happen.
std::string typedTime(Choices& c) {
    return "." + std::to_string(380 + c.below(140));
}

// Anything at all, from numbers in odd spellings to a long paste.
std::string typedText(Choices& c) {
    static const char* const kOdd[] = {"",
                                       "Computer",
                                       "-.05",
                                       "1e3",
                                       ".5e",
                                       "  .501",
                                       "32767",
                                       "9e999",
                                       "-9e999",
                                       "1d-1",
                                       "\t.49",
                                       "0.4990",
                                       ".4999999999999999999",
                                       "+.5",
                                       "..5",
                                       "-0"};
    static const char kAlphabet[] = "0123456789.-+eEdD x\t";
    switch (c.below(8)) {
        case 0:
        case 1:
        case 2:
            return typedTime(c);
        case 3:
            return kOdd[c.below(std::size(kOdd))];
        case 4: {
            // Drawn one at a time: the order of a call's arguments differs between compilers.
            const std::size_t length = 1000 + c.below(4000);
            const char digit = static_cast<char>('0' + c.below(10));
            return "." + std::string(length, digit);
        }
        default: {
            std::string text;
            for (std::uint32_t n = c.below(24); n > 0; --n) {
                text += kAlphabet[c.below(sizeof kAlphabet - 1)];
            }
            return text;
        }
    }
}

// The next step or steps; a whole race as a player holds it comes as three.
std::vector<Action> draw(Choices& c) {
    const std::uint32_t pick = c.below(1000);
    // The race button's handlers see no mouse button or modifier: the binding passes none.
    if (pick < 100) return {{Op::Press}};
    if (pick < 200) return {{Op::Release}};
    if (pick < 300) return {{Op::Advance, static_cast<int>(1 + c.below(120))}};
    if (pick < 400) return {{Op::Advance, static_cast<int>(120 + c.below(1100))}};
    if (pick < 450) return {{Op::Advance, static_cast<int>(1200 + c.below(5000))}};
    if (pick < 480) return {{Op::Block, static_cast<int>(1000 + c.below(60000))}};
    if (pick < 640) {
        // Held past the hand-over by up to 120 clock ticks.
        const int hold = 2400 + static_cast<int>(c.below(120 * 55));
        return {{Op::Press}, {Op::Advance, hold}, {Op::Release}};
    }
    if (pick < 670) return {{Op::Setup}};
    if (pick < 710) return {{Op::Tree, static_cast<int>(c.below(2))}};
    if (pick < 750) return {{Op::Level, static_cast<int>(1 + c.below(5))}};
    if (pick < 790) return {{Op::RollOut, static_cast<int>(455 + c.below(21))}};
    if (pick < 830) return {{Op::Mute, static_cast<int>(c.below(2))}};
    if (pick < 950) {
        const int box = static_cast<int>(c.below(kTextBoxCount));
        return {{Op::Type, box, static_cast<int>(c.below(4) == 0), typedText(c)}};
    }
    if (pick < 951) {
        // Counts a few dozen wins short of full, never below what they are now.
        return {{Op::Wins, 32767 - static_cast<int>(c.below(64)),
                 32767 - static_cast<int>(c.below(64))}};
    }
    static const int kLengths[] = {0, 0, 300, 800, 1500, 3000};
    return {{Op::Sound, kLengths[c.below(std::size(kLengths))]}};
}

StepKind apply(RaceRig& rig, const RaceView& now, const Action& act) {
    switch (act.op) {
        case Op::Press:
            rig.press();
            return StepKind::Press;
        case Op::Release:
            rig.release();
            return StepKind::Release;
        case Op::Advance:
            rig.advance(act.a);
            return StepKind::Time;
        case Op::Block:
            rig.block(act.a);
            return StepKind::Time;
        case Op::Setup:
            rig.clickSetup();
            return StepKind::SetupClick;
        case Op::Tree:
            rig.chooseTree(act.a != 0);
            return StepKind::Setting;
        case Op::Level:
            rig.chooseLevel(act.a);
            return StepKind::Setting;
        case Op::RollOut:
            rig.setRollOut(act.a);
            return StepKind::Setting;
        case Op::Mute:
            rig.setMute(act.a != 0);
            return StepKind::Setting;
        case Op::Type:
            rig.type(act.a, act.text, act.b != 0);
            return StepKind::Typing;
        case Op::Wins:
            rig.setWins(std::max(act.a, now.computerWins), std::max(act.b, now.playerWins));
            return StepKind::Wins;
        case Op::Sound:
            rig.setSoundLength(act.a);
            return StepKind::Setting;
    }
    return StepKind::Setting;
}

std::string describe(const Action& act) {
    static const char* const kNames[] = {"press", "release", "advance", "block",
                                         "setup", "tree",    "level",   "roll-out",
                                         "mute",  "type",    "wins",    "sound length"};
    std::string text = kNames[static_cast<int>(act.op)];
    text += " " + std::to_string(act.a) + " " + std::to_string(act.b);
    if (act.op == Op::Type) {
        text += " '" +
                (act.text.size() > 40
                     ? act.text.substr(0, 40) + "...(" + std::to_string(act.text.size()) + " chars)"
                     : act.text) +
                "'";
    }
    return text;
}

}  // namespace

void playSession(Choices& choices, Tally& tally, std::uint64_t maxSteps) {
    RaceRig rig;
    RaceJudge judge(tally);
    std::deque<std::string> recent;  // the last steps, for the report of a broken rule
    std::vector<Action> pending;
    for (std::uint64_t step = 0; step < maxSteps; ++step) {
        if (pending.empty()) {
            if (choices.dry()) return;
            pending = draw(choices);
            std::reverse(pending.begin(), pending.end());
        }
        const Action act = pending.back();
        pending.pop_back();
        recent.push_back(describe(act));
        if (recent.size() > 24) recent.pop_front();
        try {
            const RaceView before = rig.view();
            const StepKind kind = apply(rig, before, act);
            judge.check(kind, before, rig.view());
        } catch (const std::exception& e) {
            std::string report =
                std::string(e.what()) + "\nat step " + std::to_string(step) + "; the last steps:";
            for (const std::string& line : recent) report += "\n  " + line;
            throw Broken(report);
        }
    }
}

}  // namespace korvane::fuzz
