// Turns an errno value into the ServiceError that every service raises, naming what failed.
#pragma once

#include <string>
#include <system_error>

#include "services/ServiceError.h"

namespace orbilo::platform {

inline ServiceError SystemError(const std::string& what, int errorNumber) {
    return ServiceError(what + ": " + std::generic_category().message(errorNumber));
}

}  // namespace orbilo::platform
