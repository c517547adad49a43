#include "main.h"

namespace korvane {

Main::Main(RaceServices services) : services_(std::move(services)) {
    Timer1.onTick([this] { Timer1_Timer(); });
    Timer2.onTick([this] { Timer2_Timer(); });
    Timer3.onTick([this] { Timer3_Timer(); });
    Timer5.onTick([this] { Timer5_Timer(); });
    Timer6.onTick([this] { Timer6_Timer(); });
}

}  // namespace korvane
