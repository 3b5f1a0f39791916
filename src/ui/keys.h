#pragma once

// Key codes and shift states as the windows' KeyDown handlers and ui::Application::keyDown know
// them (114 is F3); every backend translates its keys into these.
namespace ui::keys {

constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int F1 = 112;
constexpr int F3 = 114;

// Shift state bits.
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;

} // namespace ui::keys
