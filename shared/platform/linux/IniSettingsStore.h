// The per-user settings store on Linux: one INI file per application under the XDG config
// folder ($XDG_CONFIG_HOME/RavuVod/RavuVod.ini), shared by every program of the suite.
#pragma once

#include <string>

#include "platform/linux/IniFile.h"
#include "services/SettingsStore.h"

namespace orbilo::platform {

class IniSettingsStore : public SettingsStore {
  public:
    // configFolder empty: the XDG config folder, looked up at each call.
    explicit IniSettingsStore(std::string configFolder = {});

    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSetting(const std::string& application, const std::string& section,
                       const std::string& key) override;

    // <config>/<application>/<application>.ini; throws ServiceError for an application name that
    // cannot be a folder name.
    std::string FilePath(const std::string& application) const;

  private:
    std::string ApplicationFolder(const std::string& application) const;
    IniFile Load(const std::string& path) const;

    std::string m_configFolder;
};

}  // namespace orbilo::platform
