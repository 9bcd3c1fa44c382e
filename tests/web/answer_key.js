// The quiz's answers as the tests know them, written out here so that no test
// takes them from the page it checks.
import { readFileSync } from 'node:fs';

export const Names = ['Амур', 'Атанасовско езеро', 'Бургаско езеро', 'Варненско езеро', 'Волга', 'Ганг', 'Гарона',
    'Делауеър', 'Дунав', 'Елба', 'Енисей', 'Инд', 'Колорадо', 'Нигер', 'Нил', 'Парана', 'Рейн', 'Сейнт Лорънс',
    'Темза'];
export const Captions = ['делта', 'естуар', 'лиман'];

const deltas = ['Волга', 'Ганг', 'Дунав', 'Инд', 'Нигер', 'Нил', 'Рейн'];
const limans = ['Атанасовско езеро', 'Бургаско езеро', 'Варненско езеро'];

export function rightTypeOf(name) {
    return deltas.includes(name) ? Captions[0] : limans.includes(name) ? Captions[2] : Captions[1];
}

export function verdict(name, chosen) {
    return chosen === rightTypeOf(name) ? `Вярно. Устието на ${name} е ${chosen}.`
        : `Грешка! Устието на ${name} не е ${chosen}.`;
}

// A text of the form's description, as it spells it: string pieces joined.
export function designText(root, name) {
    const design = readFileSync(`${root}/quiz/form_design.h`, 'utf8');
    const body = design.match(new RegExp(`std::string_view ${name}\\s*=([\\s\\S]*?");\\s*\\n`))[1];
    return [...body.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(m => m[1]).join('')
        .replace(/\\r/g, '\r').replace(/\\n/g, '\n').replace(/\\"/g, '"');
}

export const assignment = root => designText(root, 'Assignment');
