#pragma once

#include <array>
#include <string_view>

// The water bodies in the river list's order, as the tests know them, written
// out here so that no test takes them from the code it checks.
namespace answer_key {

inline constexpr std::array<std::string_view, 19> RiverNames = {
    "Амур",
    "Атанасовско езеро",
    "Бургаско езеро",
    "Варненско езеро",
    "Волга",
    "Ганг",
    "Гарона",
    "Делауеър",
    "Дунав",
    "Елба",
    "Енисей",
    "Инд",
    "Колорадо",
    "Нигер",
    "Нил",
    "Парана",
    "Рейн",
    "Сейнт Лорънс",
    "Темза",
};

} // namespace answer_key
