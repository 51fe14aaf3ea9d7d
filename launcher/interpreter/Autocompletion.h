// Completes the Command of the instruction box in place while the user types, and records which
// Launch List item, predefined address or sibling program the completed text stands for.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format/TextCase.h"
#include "interpreter/PredefinedCommands.h"
#include "launchlist/LaunchList.h"
#include "startup/Context.h"

namespace orbilo {

// The instruction box as text and selection, positions and lengths counted in Unicode code points
// (the form converts to and from its own units).
struct TextBoxState {
    std::string text;
    int selStart = 0;
    int selLength = 0;
    bool operator==(const TextBoxState&) const = default;
};

// Lower-cased names in one buffer, with an order sorted by name beside the list order: the names
// that begin with a prefix are one run of the sorted order, found by binary search, and a tree of
// minimums over that order gives the run's earliest list position. A search thus costs a few dozen
// comparisons however many names there are and whatever they have in common.
class LoweredNameIndex {
  public:
    template <typename Names>
    void Build(const Names& names) {
        m_buffer.clear();
        m_ends.clear();
        for (const auto& name : names) {
            m_buffer += LowerCased(name);
            m_ends.push_back(static_cast<std::uint32_t>(m_buffer.size()));
        }
        Order();
    }
    std::size_t Size() const { return m_ends.size(); }
    // List position of the first name that begins with the already lower-cased prefix; -1 when none.
    int FirstStartingWith(std::string_view loweredPrefix) const;

  private:
    void Order();
    std::string_view NameAt(std::uint32_t position) const;
    std::uint32_t EarliestIn(std::size_t first, std::size_t last) const;

    std::string m_buffer;                   // every name, lower-cased, one after another
    std::vector<std::uint32_t> m_ends;      // where each name ends in m_buffer, in list order
    std::vector<std::uint32_t> m_sorted;    // list positions, ordered by name
    std::vector<std::uint32_t> m_earliest;  // minimum tree over m_sorted, leaves from Size()
};

class Autocompletion {
  public:
    explicit Autocompletion(Context& ctx);

    // Runs on every change of the instruction box, whatever caused it. Resets the choice indices;
    // on a completion sets the one that belongs to the Code and answers the box's new text and
    // selection. Nothing when the text stays as it is.
    std::optional<TextBoxState> OnChange(const std::string& text);
    // Builds the index of every group that changed since it was last built, so that the next
    // keystroke does not pay for it (a large list takes milliseconds). Called after the Launch
    // List is loaded and whenever a box that changes it closes.
    void Prepare();

  private:
    struct GroupIndex {
        LoweredNameIndex names;
        bool built = false;
        std::uint64_t revision = 0;
        std::size_t count = 0;  // also checked, in case a group's lists were changed directly
    };
    const LoweredNameIndex& GroupNames(Group group);
    int FirstSibling(std::string_view loweredCommand) const;

    Context& m_ctx;
    std::array<GroupIndex, kGroupCount> m_groups;
    LoweredNameIndex m_specialFolders;
    LoweredNameIndex m_offeredApplets;
    std::array<std::string, kMailRoleCount> m_mailAddresses;
    LoweredNameIndex m_loweredMailAddresses;
};

}  // namespace orbilo
