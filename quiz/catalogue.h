#pragma once

#include <array>
#include <string_view>

namespace quiz {

// One of the mouth types a pupil can choose. The index is both the position of
// the type's button in the group and the answer code of the water bodies.
struct MouthType
{
    int index;
    std::string_view caption;
};

// A water body as the river list shows it, with the code of its right mouth
// type kept as text, the way the answer key holds it.
struct CatalogueEntry
{
    std::string_view name;
    std::string_view code;
};

// The fixed data of the quiz: nothing is read from outside.
class QuizCatalogue
{
public:
    static constexpr int LastTypeIndex = 2;

    static constexpr std::array<MouthType, LastTypeIndex + 1> MouthTypes = {{
        {0, "делта"},
        {1, "естуар"},
        {2, "лиман"},
    }};

    // Alphabetical, and the display order of the river list: nothing sorts
    // at run time, because names and codes must keep their positions.
    static constexpr std::array<CatalogueEntry, 19> Entries = {{
        {"Амур", "1"},
        {"Атанасовско езеро", "2"},
        {"Бургаско езеро", "2"},
        {"Варненско езеро", "2"},
        {"Волга", "0"},
        {"Ганг", "0"},
        {"Гарона", "1"},
        {"Делауеър", "1"},
        {"Дунав", "0"},
        {"Елба", "1"},
        {"Енисей", "1"},
        {"Инд", "0"},
        {"Колорадо", "1"},
        {"Нигер", "0"},
        {"Нил", "0"},
        {"Парана", "1"},
        {"Рейн", "0"},
        {"Сейнт Лорънс", "1"},
        {"Темза", "1"},
    }};

    static constexpr int entryCount() { return static_cast<int>(Entries.size()); }
    static constexpr std::string_view name(int position) { return Entries.at(position).name; }
    static constexpr std::string_view code(int position) { return Entries.at(position).code; }
    static constexpr std::string_view typeCaption(int index) { return MouthTypes.at(index).caption; }
};

} // namespace quiz
