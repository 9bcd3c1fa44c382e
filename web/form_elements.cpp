#include "form_markup.h"

#include <vector>

// The form's markup is in the page's file already: the walk that wrote it
// tells where each element stands among the marked ones.
FormElements attachForm()
{
    const FormMarkup markup = formMarkup();
    const std::vector<dom::Element> handles = dom::markedElements();
    const auto at = [&](int position) { return handles.at(static_cast<std::size_t>(position)); };
    FormElements form;
    form.form = at(markup.form);
    form.messageBox = at(markup.messageBox);
    form.riverList = at(markup.riverList);
    form.clearButton = at(markup.clearButton);
    for (std::size_t index = 0; index < FormElements::TypeCount; ++index) {
        form.typeButtons[index] = at(markup.typeButtons[index]);
        form.typeCaptions[index] = at(markup.typeCaptions[index]);
    }
    form.announcer = at(markup.announcer);
    return form;
}
