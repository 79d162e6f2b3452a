#pragma once

// A log of when windows appear and when the program is idle again after each key or click, for
// timing actions from outside (bench/scale_check.sh). Off unless the environment variable
// ZELKORA_TIMING_LOG names a file; when off nothing is installed and nothing is spent.
namespace ui {

void installActionTiming();

} // namespace ui
