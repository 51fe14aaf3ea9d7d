// Shell-like word splitting for starting programs without a shell.
#include "platform/linux/SplitCommandLine.h"

#include "services/ServiceError.h"

namespace orbilo::platform {
namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The characters a backslash escapes inside double quotes; before others it is literal.
bool EscapableInDoubleQuotes(char c) {
    return c == '"' || c == '\\' || c == '$' || c == '`' || c == '\n';
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;  // a word may be empty: "" is an argument
    const std::size_t size = commandLine.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char c = commandLine[i];
        if (IsSeparator(c)) {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else if (c == '\'') {
            const auto close = commandLine.find('\'', i + 1);
            if (close == std::string_view::npos) {
                throw ServiceError("unterminated single quote in the command line");
            }
            word.append(commandLine.substr(i + 1, close - i - 1));
            inWord = true;
            i = close;
        } else if (c == '"') {
            std::size_t j = i + 1;
            for (; j < size && commandLine[j] != '"'; ++j) {
                if (commandLine[j] == '\\' && j + 1 < size && EscapableInDoubleQuotes(commandLine[j + 1])) {
                    ++j;
                    if (commandLine[j] != '\n') word += commandLine[j];
                } else {
                    word += commandLine[j];
                }
            }
            if (j >= size) throw ServiceError("unterminated double quote in the command line");
            inWord = true;
            i = j;
        } else if (c == '\\' && i + 1 < size) {
            ++i;
            if (commandLine[i] != '\n') {
                word += commandLine[i];
                inWord = true;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

}  // namespace orbilo::platform
