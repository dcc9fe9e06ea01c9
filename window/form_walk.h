// One walk of the window's description for every toolkit. The walk decides what each control
// gets (its container, font, colour, accessible name, initial state, fitted text, place in the tab
// order); a toolkit adapter only carries each decision out with its own calls.
#pragma once

#include <cstdint>
#include <string_view>

#include "layout.h"

namespace quotara {

// What an adapter supplies to build the window. Controls are named by their row of kControls,
// which outlives the adapter.
class FormToolkit {
  public:
    virtual ~FormToolkit() = default;

    // The window itself: caption, client size in twips, font and back colour.
    virtual void createForm(const FormSpec& form) = 0;
    // The control of `row`, inside `container` (the window, or a frame created before it), at
    // the row's place and size, with its caption.
    virtual void createControl(const ControlSpec& row, std::string_view container) = 0;
    virtual void setFont(const ControlSpec& row, const FontSpec& font) = 0;
    virtual void setBackColor(const ControlSpec& row, std::uint32_t systemColor) = 0;
    virtual void setAccessibleName(const ControlSpec& row, std::string_view name) = 0;
    // Only fields are given a state: the frames, labels, banner and buttons keep the toolkit's.
    virtual void setEnabled(const ControlSpec& row, bool enabled) = 0;
    // A result field shows every number whole: a text wider than the field is set smaller.
    virtual void fitTextToWidth(const ControlSpec& row) = 0;
    // Called for the focusable controls in tab order, `position` counting from 1.
    virtual void placeInTabOrder(const ControlSpec& row, int position) = 0;
};

// Builds the window through the adapter, in the table's order: every control after its
// container.
void buildForm(FormToolkit& toolkit);

// The control's row in the description; null for the window or an unknown name.
[[nodiscard]] const ControlSpec* controlNamed(std::string_view name);

// Whether the control takes the keyboard focus: the banner, frames and labels never do.
[[nodiscard]] bool takesFocus(const ControlSpec& row);

// The frame that holds the household-count buttons is their radio group.
[[nodiscard]] bool holdsOptionButtons(const ControlSpec& frame);

}  // namespace quotara
