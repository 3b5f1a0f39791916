#pragma once

// Key codes and shift states as the windows' KeyDown handlers and ui::Application::keyDown know
// them (114 is F3); every backend translates its keys into these.
namespace ui::keys {

// Plain ints, not an enum, so that they mix with the other codes a handler compares and lists.
constexpr int Backspace = 8, Tab = 9, Enter = 13, Escape = 27;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40; // the arrow keys
constexpr int F1 = 112, F3 = 114;

// Shift state bits.
constexpr int Shift = 1, Ctrl = 2, Alt = 4;

} // namespace ui::keys
