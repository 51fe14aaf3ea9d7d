// The one error type that every platform service raises; callers catch it where the system
// says a failure is reported (bug report, start-up message) or turned into a neutral value.
#pragma once

#include <stdexcept>
#include <string>

namespace orbilo {

class ServiceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace orbilo
