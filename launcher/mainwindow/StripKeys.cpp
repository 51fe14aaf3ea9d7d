#include "mainwindow/StripKeys.h"

#include "mainwindow/StripLayout.h"

namespace orbilo {

StripKey FunctionKeyAction(int functionKey, int siblingLast) {
    if (functionKey == 1) return {StripAction::ToggleAddUrl, -1};
    if (functionKey >= 2 && functionKey <= 8) {
        const int box = functionKey - 2;
        if (box == kRunMenuIndex && siblingLast == -1) return {};
        return {StripAction::ToggleBox, box};
    }
    if (functionKey == 9) return {StripAction::Minimize, -1};
    if (functionKey == 10) return {StripAction::Exit, -1};
    if (functionKey == 12) return {StripAction::ClearText, -1};
    return {};
}

}  // namespace orbilo
