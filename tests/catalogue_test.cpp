#include "catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

using quiz::QuizCatalogue;

namespace {

TEST(QuizCatalogue, MouthTypesInButtonOrder)
{
    EXPECT_EQ(QuizCatalogue::typeCaption(0), "делта");
    EXPECT_EQ(QuizCatalogue::typeCaption(1), "естуар");
    EXPECT_EQ(QuizCatalogue::typeCaption(2), "лиман");
    EXPECT_EQ(QuizCatalogue::LastTypeIndex, 2);
}

TEST(QuizCatalogue, SevenDeltasNineEstuariesThreeLimans)
{
    int count[3] = {};
    for (const auto &entry : QuizCatalogue::Entries)
        ++count[entry.code[0] - '0'];
    EXPECT_EQ(count[0], 7);
    EXPECT_EQ(count[1], 9);
    EXPECT_EQ(count[2], 3);
}

TEST(QuizCatalogue, OnlyTheThreeLakesAreLimans)
{
    std::set<std::string_view> limans;
    for (const auto &entry : QuizCatalogue::Entries) {
        if (entry.code == "2")
            limans.insert(entry.name);
    }
    EXPECT_EQ(limans, (std::set<std::string_view> {"Атанасовско езеро", "Бургаско езеро", "Варненско езеро"}));
}

TEST(QuizCatalogue, NamesRunFromAmurToTemzaWithTheLongestAtSeventeenLetters)
{
    ASSERT_EQ(QuizCatalogue::entryCount(), 19);
    EXPECT_EQ(QuizCatalogue::name(0), "Амур");
    EXPECT_EQ(QuizCatalogue::name(18), "Темза");
    std::size_t longest = 0;
    int withBlank = 0;
    for (const auto &entry : QuizCatalogue::Entries) {
        // Cyrillic letters take two bytes in UTF-8, a blank one.
        std::size_t letters = 0;
        for (unsigned char c : entry.name)
            letters += (c & 0xC0) != 0x80;
        longest = std::max(longest, letters);
        withBlank += entry.name.find(' ') != std::string_view::npos;
    }
    EXPECT_EQ(longest, 17u);
    EXPECT_EQ(withBlank, 4);
}

} // namespace
