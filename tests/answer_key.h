#pragma once

#include "river_names.h"

#include <QString>
#include <QStringList>

// The quiz's answers and wording as the tests know them, written out here so
// that no test takes them from the code it checks.
namespace answer_key {

inline const QStringList Names = [] {
    QStringList names;
    for (const std::string_view name : RiverNames)
        names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return names;
}();

inline const QStringList Captions = {"делта", "естуар", "лиман"};

inline QString rightTypeOf(const QString &name)
{
    static const QStringList deltas = {"Волга", "Ганг", "Дунав", "Инд", "Нигер", "Нил", "Рейн"};
    static const QStringList limans = {"Атанасовско езеро", "Бургаско езеро", "Варненско езеро"};
    if (deltas.contains(name))
        return Captions[0];
    if (limans.contains(name))
        return Captions[2];
    return Captions[1];
}

// The line the message box gains, as the box shows it (a paragraph break, \n).
inline QString verdict(const QString &name, const QString &chosen)
{
    return chosen == rightTypeOf(name) ? QStringLiteral("Вярно. Устието на %1 е %2.\n").arg(name, chosen)
                                       : QStringLiteral("Грешка! Устието на %1 не е %2.\n").arg(name, chosen);
}

} // namespace answer_key
