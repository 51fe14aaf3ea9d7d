// Word splitting of command lines: quotes and backslashes as a shell reads them, and nothing
// else a shell would do.
#include "platform/linux/SplitCommandLine.h"

#include <gtest/gtest.h>

#include "services/ServiceError.h"

namespace orbilo::platform {
namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLine, SplitsLikeAShellWithoutExpanding) {
    const struct {
        const char* line;
        Words words;
    } cases[] = {
        {"", {}},
        {"  \t \n", {}},
        {"gedit", {"gedit"}},
        {"  gedit   notes.txt  ", {"gedit", "notes.txt"}},
        {"\"/opt/My Apps/tool\" --open", {"/opt/My Apps/tool", "--open"}},
        {"'/opt/My Apps/tool'", {"/opt/My Apps/tool"}},
        {"My\\ Apps/tool", {"My Apps/tool"}},
        {"say 'it''s'", {"say", "its"}},
        {"say \"it's\"", {"say", "it's"}},
        {"a\"b c\"d", {"ab cd"}},
        {"empty \"\" ''", {"empty", "", ""}},
        {"\"q\\\"uote\" \"back\\\\slash\" \"keep\\n\"", {"q\"uote", "back\\slash", "keep\\n"}},
        {"'single \\ keeps \" all'", {"single \\ keeps \" all"}},
        {"$HOME ~ *.txt a|b c;d >out &", {"$HOME", "~", "*.txt", "a|b", "c;d", ">out", "&"}},
        {"one\\\ntwo", {"onetwo"}},
        {"trailing\\", {"trailing\\"}},
        {"tab\tseparated", {"tab", "separated"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
}

TEST(SplitCommandLine, AnUnterminatedQuoteIsAnError) {
    for (const char* line : {"\"open", "'open", "a \"b\\\"", "x 'y\"z"}) {
        EXPECT_THROW(SplitCommandLine(line), ServiceError) << line;
    }
}

}  // namespace
}  // namespace orbilo::platform
