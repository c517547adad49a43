#pragma once

namespace korvane {

// Whether a PipeWire server's socket is where PipeWire's client library looks for it: the name
// in PIPEWIRE_REMOTE (pipewire-0 unless set), in PIPEWIRE_RUNTIME_DIR or else XDG_RUNTIME_DIR
// unless the name is a whole path.
bool pipeWireServerRuns();

}  // namespace korvane
