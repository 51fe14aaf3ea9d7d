#include "FakeSettingsStore.h"

#include "services/ServiceError.h"

namespace orbilo::test {

void FakeSettingsStore::MaybeFail(const std::string& operation) const {
    if (m_failing.count(operation) != 0) throw ServiceError(operation + " failed (injected)");
}

std::string FakeSettingsStore::GetSetting(const std::string& application, const std::string& section,
                                          const std::string& key) {
    MaybeFail("GetSetting");
    const auto it = values.find({application, section, key});
    return it == values.end() ? std::string() : it->second;
}

void FakeSettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& value) {
    MaybeFail("SaveSetting");
    values[{application, section, key}] = value;
}

void FakeSettingsStore::DeleteSetting(const std::string& application, const std::string& section,
                                      const std::string& key) {
    MaybeFail("DeleteSetting");
    values.erase({application, section, key});
}

}  // namespace orbilo::test
