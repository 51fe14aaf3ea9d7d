// Small file helpers for the backend tests: writing fixtures, reading results, listing folders,
// and the one Qt application a test process may have.
#pragma once

#include <QGuiApplication>
#include <string>
#include <vector>

namespace orbilo::platform::test {

void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
// Names in a folder, without "." and "..", sorted.
std::vector<std::string> FolderNames(const std::string& folder);
// Octal permission bits of a path.
unsigned PermissionBits(const std::string& path);
// The process's QGuiApplication on the offscreen platform, created on first use and kept to the
// end: Qt allows one application object per process, and recreating it is not reliable.
QGuiApplication& TestApplication();

}  // namespace orbilo::platform::test
