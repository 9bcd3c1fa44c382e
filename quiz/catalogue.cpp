#include "catalogue.h"

namespace quiz {

namespace {

constexpr bool codesAreTypeIndices()
{
    for (const auto &entry : QuizCatalogue::Entries) {
        if (entry.code.size() != 1 || entry.code[0] < '0' || entry.code[0] > '0' + QuizCatalogue::LastTypeIndex)
            return false;
    }
    return true;
}

constexpr bool namesAreUnique()
{
    const auto &entries = QuizCatalogue::Entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            if (entries[i].name == entries[j].name)
                return false;
        }
    }
    return true;
}

constexpr bool typeIndicesArePositions()
{
    for (std::size_t i = 0; i < QuizCatalogue::MouthTypes.size(); ++i) {
        if (QuizCatalogue::MouthTypes[i].index != static_cast<int>(i))
            return false;
    }
    return true;
}

} // namespace

// The answer key must never name a button that does not exist, and a name
// must say which entry was meant: checked when the program is compiled.
static_assert(codesAreTypeIndices(), "every code is the index of a mouth type");
static_assert(namesAreUnique(), "every water body appears once");
static_assert(typeIndicesArePositions(), "a mouth type's index is its button's position");

} // namespace quiz
