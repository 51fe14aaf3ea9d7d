#include "FakeShell.h"

#include "services/ServiceError.h"

namespace orbilo::test {

void FakeShell::MaybeFail(const std::string& operation) const {
    if (m_failing.count(operation) != 0) throw ServiceError(operation + " failed (injected)");
}

void FakeShell::StartCommandLine(const std::string& commandLine) {
    started.push_back(commandLine);
    MaybeFail("StartCommandLine");
}

void FakeShell::Run(const std::string& target) {
    ran.push_back(target);
    MaybeFail("Run");
}

void FakeShell::OpenFolder(const std::string& folder) {
    folders.push_back(folder);
    MaybeFail("OpenFolder");
}

bool FakeShell::OpenLink(const std::string& link) {
    openedLinks.push_back(link);
    return m_failing.count("OpenLink") == 0;
}

void FakeShell::OpenPanelApplet(const std::string& key, const std::string& /*windowsCommandLine*/) {
    applets.push_back(key);
    MaybeFail("OpenPanelApplet");
}

int FakeShell::Dial(const std::string& number, const std::string& /*requestingApplication*/) {
    dialed.push_back(number);
    return dialResult;
}

std::string FakeShell::SpecialFolder(const std::string& name) {
    MaybeFail("SpecialFolder");
    const auto it = specialFolders.find(name);
    return it == specialFolders.end() ? std::string() : it->second;
}

void FakeShell::CreateShortcut(const ShortcutSpec& shortcut) {
    MaybeFail("CreateShortcut");
    shortcuts.push_back(shortcut);
}

std::string FakeShell::RegRead(const std::string& valuePath) {
    MaybeFail("RegRead");
    const auto it = registry.find(valuePath);
    if (it == registry.end()) throw ServiceError("no value " + valuePath);
    return it->second;
}

void FakeShell::RegWrite(const std::string& valuePath, const std::string& value) {
    MaybeFail("RegWrite");
    registry[valuePath] = value;
}

void FakeShell::RegDelete(const std::string& valuePath) {
    MaybeFail("RegDelete");
    if (registry.erase(valuePath) == 0) throw ServiceError("no value " + valuePath);
}

}  // namespace orbilo::test
