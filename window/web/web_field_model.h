// The field model over the page's elements, so that the handlers run unchanged in a browser.
// Each field is the element whose id is its control name: an <input type="text"> for a text
// field, an <input type="radio"> for an option button. The DOM calls are in web_field_model.js.
#pragma once

#include <bitset>

#include "field_model.h"

namespace quotara {

class WebFieldModel final : public FieldModel {
  public:
    // Finds the 26 fields in the document by id.
    WebFieldModel();

    std::optional<std::u16string> text(Field field) override;
    bool setText(Field field, std::u16string_view text) override;
    bool setEnabled(Field field, bool enabled) override;
    bool setBackColor(Field field, std::uint32_t color) override;
    std::optional<bool> value(Field field) override;
    // Fails on a disabled field, or a missing one.
    bool setFocus(Field field) override;

    // The fields whose text was written since the last call, indexed by Field.
    [[nodiscard]] std::bitset<kFieldCount> takeWritten();

  private:
    std::bitset<kFieldCount> written_;
};

}  // namespace quotara
