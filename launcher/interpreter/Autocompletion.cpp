// Autocompletion of the instruction box: candidate lists by Code, first prefix match in list
// order, the completed part selected.
#include "interpreter/Autocompletion.h"

#include <algorithm>
#include <limits>

#include "format/TextCase.h"
#include "format/Utf8.h"

namespace orbilo {
namespace {

enum class Candidates { None, Program, File, Folder, Web, SpecialFolders, Applets, Mail, Siblings };

Candidates CandidatesFor(std::string_view typedCode) {
    if (typedCode.size() != 2) return Candidates::None;
    // Codes are ASCII; a Code that holds another character has no list anyway.
    std::string code(typedCode);
    for (char& c : code) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    static constexpr struct {
        std::string_view code;
        Candidates candidates;
    } kCodes[] = {
        {"p-", Candidates::Program}, {"f-", Candidates::File},           {"d-", Candidates::Folder},
        {"w-", Candidates::Web},     {"d.", Candidates::SpecialFolders}, {"c.", Candidates::Applets},
        {"e.", Candidates::Mail},    {"r.", Candidates::Siblings},
    };
    for (const auto& entry : kCodes) {
        if (entry.code == code) return entry.candidates;
    }
    return Candidates::None;
}

Group GroupOf(Candidates candidates) {
    switch (candidates) {
        case Candidates::File:
            return Group::File;
        case Candidates::Folder:
            return Group::Folder;
        case Candidates::Web:
            return Group::Web;
        default:
            return Group::Program;
    }
}

// Eight bytes of the name from `from`, as a number that orders like the bytes themselves
// (zero-padded past the end).
std::uint64_t BytesAsNumber(std::string_view name, std::size_t from) {
    std::uint64_t number = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
        number = (number << 8) | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
    }
    return number;
}

// A sibling's name must be typed this far before it is offered.
constexpr int kSiblingMinimumCharacters = 3;

}  // namespace

std::string_view LoweredNameIndex::NameAt(std::uint32_t position) const {
    const std::uint32_t begin = position == 0 ? 0 : m_ends[position - 1];
    return std::string_view(m_buffer).substr(begin, m_ends[position] - begin);
}

void LoweredNameIndex::Order() {
    const auto count = static_cast<std::uint32_t>(m_ends.size());
    // Sorting by the first sixteen bytes as two numbers keeps the rebuild after a change of a
    // large group short; names are compared in full only where those bytes are equal.
    struct Keyed {
        std::uint64_t high;
        std::uint64_t low;
        std::uint32_t position;
    };
    std::vector<Keyed> keyed(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string_view name = NameAt(i);
        keyed[i] = {BytesAsNumber(name, 0), BytesAsNumber(name, 8), i};
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        return NameAt(a.position) < NameAt(b.position);
    });
    m_sorted.resize(count);
    for (std::uint32_t i = 0; i < count; ++i) m_sorted[i] = keyed[i].position;
    m_earliest.assign(2 * std::size_t{count}, 0);
    std::copy(m_sorted.begin(), m_sorted.end(), m_earliest.begin() + count);
    for (std::size_t node = count; node-- > 1;) {
        m_earliest[node] = std::min(m_earliest[2 * node], m_earliest[2 * node + 1]);
    }
}

// The smallest list position among m_sorted[first, last), which must not be empty.
std::uint32_t LoweredNameIndex::EarliestIn(std::size_t first, std::size_t last) const {
    std::uint32_t earliest = std::numeric_limits<std::uint32_t>::max();
    for (first += Size(), last += Size(); first < last; first /= 2, last /= 2) {
        if (first % 2 == 1) earliest = std::min(earliest, m_earliest[first++]);
        if (last % 2 == 1) earliest = std::min(earliest, m_earliest[--last]);
    }
    return earliest;
}

int LoweredNameIndex::FirstStartingWith(std::string_view loweredPrefix) const {
    // Byte order suffices: a UTF-8 text begins with another exactly when its characters do.
    const auto begin = m_sorted.begin();
    const auto first = std::lower_bound(
        begin, m_sorted.end(), loweredPrefix,
        [this](std::uint32_t position, std::string_view prefix) { return NameAt(position) < prefix; });
    const auto last = std::upper_bound(first, m_sorted.end(), loweredPrefix,
                                       [this](std::string_view prefix, std::uint32_t position) {
                                           return prefix < NameAt(position).substr(0, prefix.size());
                                       });
    if (first == last) return -1;
    return static_cast<int>(
        EarliestIn(static_cast<std::size_t>(first - begin), static_cast<std::size_t>(last - begin)));
}

Autocompletion::Autocompletion(Context& ctx) : m_ctx(ctx), m_mailAddresses(MailAddresses()) {
    m_specialFolders.Build(kSpecialFolderNames);
    std::array<std::string_view, kOfferedAppletPositions.size()> offeredApplets;
    for (std::size_t i = 0; i < offeredApplets.size(); ++i) {
        offeredApplets[i] = kPanelAppletNames[kOfferedAppletPositions[i]];
    }
    m_offeredApplets.Build(offeredApplets);
    m_loweredMailAddresses.Build(m_mailAddresses);
}

const LoweredNameIndex& Autocompletion::GroupNames(Group group) {
    const LaunchGroup& items = m_ctx.launchList[group];
    GroupIndex& index = m_groups[static_cast<std::size_t>(group)];
    if (index.built && index.revision == items.Revision() && index.count == items.names.size()) {
        return index.names;
    }
    index.names.Build(items.names);
    index.built = true;
    index.revision = items.Revision();
    index.count = items.names.size();
    return index.names;
}

int Autocompletion::FirstSibling(std::string_view loweredCommand) const {
    // A handful of programs: lower-casing them as we go costs nothing worth keeping.
    const SiblingState& siblings = m_ctx.siblings;
    const int last = std::min(siblings.SiblingLast, static_cast<int>(siblings.SiblingNames.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        if (LowerCased(siblings.SiblingNames[static_cast<std::size_t>(i)]).starts_with(loweredCommand))
            return i;
    }
    return -1;
}

void Autocompletion::Prepare() {
    for (const Group group : {Group::Program, Group::File, Group::Folder, Group::Web}) GroupNames(group);
}

std::optional<TextBoxState> Autocompletion::OnChange(const std::string& text) {
    InterpreterState& state = m_ctx.interpreter;
    state.PickedItem = -1;
    state.PickedMail = -1;
    state.PickedSibling = -1;
    if (state.BackspaceHit) {
        state.BackspaceHit = false;
        return std::nullopt;
    }

    const std::size_t codeBytes = CodePointOffset(text, 2);
    if (codeBytes >= text.size()) return std::nullopt;  // fewer than 3 characters
    const std::string_view typedCode = std::string_view(text).substr(0, codeBytes);
    const std::string_view command = std::string_view(text).substr(codeBytes);
    const Candidates candidates = CandidatesFor(typedCode);
    if (candidates == Candidates::None) return std::nullopt;

    const int commandLength = static_cast<int>(CodePointCount(command));
    const std::string loweredCommand = LowerCased(command);
    int match = -1;
    std::string_view completed;
    switch (candidates) {
        case Candidates::Program:
        case Candidates::File:
        case Candidates::Folder:
        case Candidates::Web: {
            const Group group = GroupOf(candidates);
            if (m_ctx.launchList[group].Empty()) return std::nullopt;
            match = GroupNames(group).FirstStartingWith(loweredCommand);
            if (match < 0) return std::nullopt;
            completed = m_ctx.launchList[group].NameAt(match);
            state.PickedItem = match;
            break;
        }
        case Candidates::SpecialFolders:
            match = m_specialFolders.FirstStartingWith(loweredCommand);
            if (match < 0) return std::nullopt;
            completed = kSpecialFolderNames[static_cast<std::size_t>(match)];
            break;
        case Candidates::Applets:
            match = m_offeredApplets.FirstStartingWith(loweredCommand);
            if (match < 0) return std::nullopt;
            completed = kPanelAppletNames[kOfferedAppletPositions[static_cast<std::size_t>(match)]];
            break;
        case Candidates::Mail:
            match = m_loweredMailAddresses.FirstStartingWith(loweredCommand);
            if (match < 0) return std::nullopt;
            completed = m_mailAddresses[static_cast<std::size_t>(match)];
            state.PickedMail = match;
            break;
        case Candidates::Siblings:
            if (m_ctx.siblings.SiblingLast == -1 || commandLength < kSiblingMinimumCharacters)
                return std::nullopt;
            match = FirstSibling(loweredCommand);
            if (match < 0) return std::nullopt;
            completed = m_ctx.siblings.SiblingNames[static_cast<std::size_t>(match)];
            state.PickedSibling = match;
            break;
        case Candidates::None:
            return std::nullopt;
    }

    TextBoxState result;
    result.text.reserve(typedCode.size() + completed.size());
    result.text.append(typedCode).append(completed);
    const int completedLength = static_cast<int>(CodePointCount(completed));
    if (completedLength > commandLength) {
        result.selStart = commandLength + 2;
        result.selLength = completedLength - commandLength;
    } else {
        result.selStart = 2 + completedLength;
        result.selLength = 0;
    }
    return result;
}

}  // namespace orbilo
