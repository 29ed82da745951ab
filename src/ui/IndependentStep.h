// Sequences whose steps do not depend on each other (the caption tables,
// the language chooser's set-up): a failing step is skipped, for the
// debugger's eyes only, and the next one runs.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace ui {

template <class Step> void RunIndependently(const char* sequence, Step&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        OutputDebugStringA((std::string(sequence) + ": a step was skipped: " + e.what() + "\n").c_str());
    }
}

} // namespace ui
