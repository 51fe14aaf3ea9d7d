// The instruction box TextMain as the interpreter and the launch actions see it. The strip's
// text box implements it; tests use a plain state.
#pragma once

#include <string>

namespace orbilo {

class InstructionBox {
  public:
    virtual ~InstructionBox() = default;
    virtual std::string Text() const = 0;
    // Replaces the text. Like any change of the box, this runs autocompletion.
    virtual void SetText(const std::string& text) = 0;
    virtual void Focus() = 0;
};

}  // namespace orbilo
