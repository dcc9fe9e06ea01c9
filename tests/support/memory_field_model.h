// The field model held in memory: the window without a toolkit, for tests, fuzzing and
// benchmarks. It plays the user's own actions too, and can be told to make an operation fail.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "field_model.h"

namespace quotara {

class MemoryFieldModel final : public FieldModel {
  public:
    MemoryFieldModel();

    std::optional<std::u16string> text(Field field) override;
    bool setText(Field field, std::u16string_view text) override;
    bool setEnabled(Field field, bool enabled) override;
    bool setBackColor(Field field, std::uint32_t color) override;
    std::optional<bool> value(Field field) override;
    bool setFocus(Field field) override;

    // The user's actions. Typing fails on a disabled field or an option button; clicking selects
    // an option button and deselects the one selected before (raising its Click is the
    // dispatcher's job).
    [[nodiscard]] bool type(Field field, std::u16string_view text);
    [[nodiscard]] bool click(Field option);

    // Makes the `occurrence`-th call (1 = the next) of `op` on `field` fail, leaving the state
    // as it was.
    void failOn(FieldOp op, Field field, int occurrence = 1);

    [[nodiscard]] const FieldState& state(Field field) const;
    [[nodiscard]] std::optional<Field> focus() const { return focus_; }

    struct Call {
        FieldOp op;
        Field field;
        friend bool operator==(const Call&, const Call&) = default;
    };
    // Every operation called through FieldModel, in order, including ones that failed.
    [[nodiscard]] const std::vector<Call>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }

  private:
    // Records the call and answers whether it may proceed.
    bool admit(FieldOp op, Field field);

    std::array<FieldState, kFieldCount> fields_;
    std::optional<Field> focus_;
    std::vector<Call> calls_;
    struct PlannedFailure {
        FieldOp op;
        Field field;
        int remaining;
    };
    std::vector<PlannedFailure> failures_;
};

}  // namespace quotara
