// The per-user settings store in memory.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "services/SettingsStore.h"

namespace orbilo::test {

class FakeSettingsStore : public SettingsStore {
  public:
    using Key = std::tuple<std::string, std::string, std::string>;

    void FailOn(const std::string& operation) { m_failing.insert(operation); }

    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteSetting(const std::string& application, const std::string& section,
                       const std::string& key) override;

    std::map<Key, std::string> values;

  private:
    void MaybeFail(const std::string& operation) const;
    std::set<std::string> m_failing;
};

}  // namespace orbilo::test
