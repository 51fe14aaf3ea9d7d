// The per-user settings store, addressed by application, section and key, shared by both
// programs. Reading an absent value gives empty text; failures throw ServiceError.
#pragma once

#include <string>

namespace orbilo {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual std::string GetSetting(const std::string& application, const std::string& section,
                                   const std::string& key) = 0;
    virtual void SaveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    virtual void DeleteSetting(const std::string& application, const std::string& section,
                               const std::string& key) = 0;
};

}  // namespace orbilo
