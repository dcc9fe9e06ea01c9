#include "form_walk.h"

#include <algorithm>
#include <optional>

#include "field_model.h"

namespace quotara {

void buildForm(FormToolkit& toolkit) {
    toolkit.createForm(kForm1);
    for (const ControlSpec& row : kControls) {
        toolkit.createControl(row, row.container);
        // Set even where it is the window's font, so that a control does not take its frame's
        // caption font.
        toolkit.setFont(row, row.font.value_or(kForm1.font));
        if (row.backColor) {
            toolkit.setBackColor(row, *row.backColor);
        }
        if (!row.accessibleName.empty()) {
            toolkit.setAccessibleName(row, row.accessibleName);
        }
        if (const std::optional<Field> field = fieldNamed(row.name)) {
            toolkit.setEnabled(row, initialState(*field).enabled);
            if (isResultField(*field)) {
                toolkit.fitTextToWidth(row);
            }
        }
    }
    int position = 0;
    for (const std::string_view name : kTabOrder) {
        if (const ControlSpec* row = controlNamed(name)) {
            toolkit.placeInTabOrder(*row, ++position);
        }
    }
}

const ControlSpec* controlNamed(std::string_view name) {
    const auto* row = std::find_if(kControls.begin(), kControls.end(),
                                   [&](const ControlSpec& c) { return c.name == name; });
    return row == kControls.end() ? nullptr : row;
}

bool takesFocus(const ControlSpec& row) {
    return std::find(kTabOrder.begin(), kTabOrder.end(), row.name) != kTabOrder.end();
}

bool holdsOptionButtons(const ControlSpec& frame) {
    return std::any_of(kControls.begin(), kControls.end(), [&](const ControlSpec& c) {
        return c.kind == ControlKind::optionButton && c.container == frame.name;
    });
}

}  // namespace quotara
