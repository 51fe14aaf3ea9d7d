// Starting a program that outlives this one, without a shell and without waiting for it.
#pragma once

#include <spawn.h>

#include <string>
#include <vector>

namespace orbilo::platform {

// Gives a child default handling of every signal and an empty signal mask: a signal this
// program ignores (SIGPIPE, say) would otherwise stay ignored in the child. Adds the flags it
// needs to `flags` and sets them.
void ResetChildSignals(posix_spawnattr_t& attributes, short flags);

// Starts arguments[0] (searched on PATH when it holds no '/') with the given arguments, in a
// session of its own, with default signal handling. Returns at once; the child is reaped in the
// background so it never lingers as a zombie. Throws ServiceError when it cannot be started.
void StartDetached(const std::vector<std::string>& arguments);

}  // namespace orbilo::platform
