#include "race/main.h"

// Handlers of the race itself, still to be written; they do nothing yet.
namespace korvane {

void Main::Command1_MouseUp(int, int, float, float) {}
void Main::Command3_Click() {}
void Main::Timer1_Timer() {}
void Main::Timer2_Timer() {}
void Main::Timer3_Timer() {}
void Main::Timer5_Timer() {}

}  // namespace korvane
