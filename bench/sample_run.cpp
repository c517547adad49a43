#include "bench/sample_run.h"

namespace korvane::bench {

RaceRecord sampleRun(int number, std::chrono::microseconds rt) {
    RaceRecord run;
    run.run = number;
    run.level = "Normal";
    run.rollOutMs = 465;
    run.playerTime = " .505";
    run.computerTime = ".503";
    run.playerRed = rt.count() < 0;
    run.at = std::chrono::system_clock::now();
    run.utcOffsetMinutes = 60;
    run.green.due = Moment(std::chrono::seconds(number * 10));
    run.green.handedOver = run.green.due;
    run.green.onset = *run.green.due + std::chrono::milliseconds(8);
    run.release = *run.green.onset + rt;
    run.rt = rt;
    return run;
}

}  // namespace korvane::bench
