// The maker's Internet endpoints, kept in this one place: the product web site and the
// e-mail addresses used in messages, the bug report and the predefined e-mail roles.
#pragma once

namespace orbilo {

inline constexpr const char* kMakerName = "Korrin";
inline constexpr const char* kWebSiteHost = "www.korrin.example";
inline constexpr const char* kWebSiteUrl = "http://www.korrin.example/";
inline constexpr const char* kBugReportAddress = "bugs@korrin.example";
inline constexpr const char* kSuggestionsAddress = "ideas@korrin.example";
inline constexpr const char* kSupportAddress = "support@korrin.example";
inline constexpr const char* kContactAddress = "hello@korrin.example";

// The per-user settings store's application name for the whole suite.
inline constexpr const char* kSettingsApplication = "RavuVod";

}  // namespace orbilo
