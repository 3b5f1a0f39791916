#pragma once

#include "ui/keys.h"

// The key codes the desk's window speaks of (a KeyDown handler's key code).
namespace tangent {

inline constexpr int Tab = ui::keys::Tab;
inline constexpr int Enter = ui::keys::Enter;
inline constexpr int Escape = ui::keys::Escape;
inline constexpr int F3 = ui::keys::F3;

} // namespace tangent
