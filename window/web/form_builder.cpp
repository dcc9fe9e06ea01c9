#include "form_builder.h"

#include "fitted_text.h"
#include "form_walk.h"
#include "page_layouts.h"

namespace quotara {
namespace {

// The walk, for what the markup cannot carry: which fields fit their text to their width.
class BindingToolkit final : public FormToolkit {
  public:
    void createForm(const FormSpec&) override {}
    void createControl(const ControlSpec&, std::string_view) override {}
    void setFont(const ControlSpec&, const FontSpec&) override {}
    void setBackColor(const ControlSpec&, std::uint32_t) override {}
    void setAccessibleName(const ControlSpec&, std::string_view) override {}
    void setEnabled(const ControlSpec&, bool) override {}
    void fitTextToWidth(const ControlSpec& row) override {
        if (const std::optional<Field> field = fieldNamed(row.name)) {
            fitted.set(static_cast<std::size_t>(*field));
        }
    }
    void placeInTabOrder(const ControlSpec&, int) override {}

    FieldSet fitted;
};

}  // namespace

void bindPage() {
    BindingToolkit toolkit;
    buildForm(toolkit);
    followLayoutInTabOrder();
    fitTextsToWidth(toolkit.fitted);
}

}  // namespace quotara
