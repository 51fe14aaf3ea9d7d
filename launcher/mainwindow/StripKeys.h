// What a function key released on the strip asks for.
#pragma once

namespace orbilo {

enum class StripAction {
    None,
    ToggleAddUrl,  // F1, as a click on CommandWeb
    ToggleBox,     // F2 to F8, as a click on CommandMenu(box)
    Minimize,      // F9
    Exit,          // F10
    ClearText,     // F12: empty TextMain and give it the focus
};

struct StripKey {
    StripAction action = StripAction::None;
    int box = -1;
};

// functionKey is 1 for F1 up to 12 for F12. F5 does nothing without a sibling program
// (SiblingLast -1), and F11 never does anything.
StripKey FunctionKeyAction(int functionKey, int siblingLast);

}  // namespace orbilo
