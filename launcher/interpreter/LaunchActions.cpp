// The launch actions. They never show anything themselves; their callers show what they answer.
#include "interpreter/LaunchActions.h"

#include <cctype>
#include <exception>

#include "messages/MessageIds.h"

namespace orbilo {

namespace {

constexpr std::size_t kMailtoLength = 7;

bool StartsWithMailto(const std::string& address) {
    static constexpr char kMailto[] = "mailto:";
    if (address.size() < kMailtoLength) return false;
    for (std::size_t i = 0; i < kMailtoLength; ++i) {
        const auto lower = std::tolower(static_cast<unsigned char>(address[i]));
        if (lower != kMailto[i]) return false;
    }
    return true;
}

}  // namespace

std::string BuildMailLink(const std::string& address, const std::string& subject, const std::string& body) {
    std::string link = StartsWithMailto(address) ? address : "mailto:" + address;
    if (!subject.empty()) {
        link += "?subject=";
        link += subject;
    }
    if (!body.empty()) {
        link += subject.empty() ? '?' : '&';
        link += "body=";
        link += body;
    }
    return link;
}

std::string StartMail(Shell& shell, const std::string& address, const std::string& subject,
                      const std::string& body) {
    try {
        if (shell.OpenLink(BuildMailLink(address, subject, body))) return "";
    } catch (const std::exception&) {
        // A shell that cannot hand the link on fails the same way as one that refuses it.
    }
    return kMessageProgramStartError;
}

}  // namespace orbilo
