// Records what would have been started or opened (also when told to fail, so a test sees the
// exact target that was handed on), and can be told to fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "services/Shell.h"

namespace orbilo::test {

class FakeShell : public Shell {
  public:
    void FailOn(const std::string& operation) { m_failing.insert(operation); }

    void StartCommandLine(const std::string& commandLine) override;
    void Run(const std::string& target) override;
    void OpenFolder(const std::string& folder) override;
    bool OpenLink(const std::string& link) override;
    void OpenPanelApplet(const std::string& key, const std::string& windowsCommandLine) override;
    int Dial(const std::string& number, const std::string& requestingApplication) override;
    std::string SpecialFolder(const std::string& name) override;
    void CreateShortcut(const ShortcutSpec& shortcut) override;
    std::string RegRead(const std::string& valuePath) override;
    void RegWrite(const std::string& valuePath, const std::string& value) override;
    void RegDelete(const std::string& valuePath) override;

    std::vector<std::string> started;      // command lines
    std::vector<std::string> ran;          // Run targets
    std::vector<std::string> folders;      // OpenFolder targets
    std::vector<std::string> openedLinks;  // OpenLink targets
    std::vector<ShortcutSpec> shortcuts;
    std::vector<std::string> applets;  // keys opened
    std::vector<std::string> dialed;
    int dialResult = 0;
    std::map<std::string, std::string> specialFolders;
    std::map<std::string, std::string> registry;

  private:
    void MaybeFail(const std::string& operation) const;
    std::set<std::string> m_failing;
};

}  // namespace orbilo::test
