// Command2_Click: empty every entry and every result, leaving the count and the focus alone.
#include "handlers.h"

namespace quotara {
namespace {

// Each household's entry, then its result; then the total, the rate and, last, the core area.
constexpr std::array<Field, 19> kClearOrder = {
    Field::Text1,    Field::produce1, Field::Text2,    Field::produce2, Field::Text3,
    Field::produce3, Field::Text4,    Field::produce4, Field::Text5,    Field::produce5,
    Field::Text6,    Field::produce6, Field::Text7,    Field::produce7, Field::Text8,
    Field::produce8, Field::Text9,    Field::Text10,   Field::texta,
};

}  // namespace

HandlerOutcome Command2_Click(const HandlerContext& context) {
    for (const Field field : kClearOrder) {
        if (!context.fields.setText(field, u"")) {
            return FieldFault{field, FieldOp::writeText};
        }
    }
    return std::nullopt;
}

}  // namespace quotara
