// The launch actions: each hands one string to the system and answers an empty text on success
// or the identifier of the message to show.
#pragma once

#include <string>

#include "services/Shell.h"

namespace orbilo {

// The mail link for an address, subject and body. Nothing is escaped: spaces and line breaks go
// into the link as they are.
std::string BuildMailLink(const std::string& address, const std::string& subject, const std::string& body);

// Opens a new mail in the user's mail program. Answers "" or "MessageProgramStartError".
std::string StartMail(Shell& shell, const std::string& address, const std::string& subject,
                      const std::string& body);

}  // namespace orbilo
