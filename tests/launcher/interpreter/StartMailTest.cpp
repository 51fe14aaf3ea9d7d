// Mail links are built exactly, without escaping, and a shell that cannot open them is reported.
#include <gtest/gtest.h>

#include "FakeShell.h"
#include "interpreter/LaunchActions.h"
#include "services/ServiceError.h"

namespace orbilo {
namespace {

TEST(StartMailTest, LinkIsBuiltFromAddressSubjectAndBody) {
    const struct {
        const char* address;
        const char* subject;
        const char* body;
        const char* link;
    } cases[] = {
        {"ann@example.org", "", "", "mailto:ann@example.org"},
        {"mailto:ann@example.org", "", "", "mailto:ann@example.org"},
        {"MailTo:ann@example.org", "", "", "MailTo:ann@example.org"},
        {"MAILTO:ann@example.org", "Hi", "", "MAILTO:ann@example.org?subject=Hi"},
        {"mailto", "", "", "mailto:mailto"},
        {"", "", "", "mailto:"},
        {"ann@example.org", "Orbilo - Found Bug", "", "mailto:ann@example.org?subject=Orbilo - Found Bug"},
        {"ann@example.org", "", "two words", "mailto:ann@example.org?body=two words"},
        {"ann@example.org", "Hi there", "a&b\r\nc", "mailto:ann@example.org?subject=Hi there&body=a&b\r\nc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        EXPECT_EQ(BuildMailLink(c.address, c.subject, c.body), c.link);
    }
}

TEST(StartMailTest, OpensTheLinkAndReportsAShellThatCannot) {
    test::FakeShell shell;
    EXPECT_EQ(StartMail(shell, "ann@example.org", "Hi", "x"), "");
    shell.FailOn("OpenLink");
    EXPECT_EQ(StartMail(shell, "bob@example.org", "", ""), "MessageProgramStartError");
    EXPECT_EQ(shell.openedLinks, (std::vector<std::string>{"mailto:ann@example.org?subject=Hi&body=x",
                                                           "mailto:bob@example.org"}));
}

class ThrowingShell : public test::FakeShell {
  public:
    bool OpenLink(const std::string&) override { throw ServiceError("no mail handler"); }
};

TEST(StartMailTest, AShellThatThrowsCountsAsFailure) {
    ThrowingShell shell;
    EXPECT_EQ(StartMail(shell, "ann@example.org", "", ""), "MessageProgramStartError");
}

}  // namespace
}  // namespace orbilo
