// What the interpreter asks of the strip: the effect of a click on a box button or on the
// minimise button, as the Esc key in the instruction box acts.
#pragma once

namespace orbilo {

class StripCommands {
  public:
    virtual ~StripCommands() = default;
    virtual void ClickMenu(int index) = 0;
    virtual void ClickMinimize() = 0;
};

}  // namespace orbilo
