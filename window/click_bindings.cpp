// The nine bound clicks, and how a handler's field fault is put to the user.
#include <string>

#include "handlers.h"

namespace quotara {

const std::array<ClickBinding, 9> kClickBindings = {{
    {"Command1", &Command1_Click, false},
    {"Command2", &Command2_Click, false},
    {"Option2", &Option2_Click, true},
    {"Option3", &Option3_Click, true},
    {"Option4", &Option4_Click, true},
    {"Option5", &Option5_Click, true},
    {"Option6", &Option6_Click, true},
    {"Option7", &Option7_Click, true},
    {"Option8", &Option8_Click, true},
}};

namespace {

std::u16string_view operationName(FieldOp op) {
    switch (op) {
        case FieldOp::readText:
            return u"读取文字";
        case FieldOp::writeText:
            return u"写入文字";
        case FieldOp::setEnabled:
            return u"设置可用状态";
        case FieldOp::setBackColor:
            return u"设置背景色";
        case FieldOp::readValue:
            return u"读取选择状态";
        case FieldOp::setFocus:
            break;
    }
    return u"设置焦点";
}

// The message for a handler that stopped at a failed field operation.
std::u16string describeFault(const FieldFault& fault) {
    std::u16string message = u"操作未能完成：控件 ";
    for (const char c : fieldName(fault.field)) {
        message += static_cast<char16_t>(c);  // control names are ASCII
    }
    message += u" 的“";
    message += operationName(fault.op);
    message += u"”操作失败。已输入的内容都保留着，可以继续使用。";
    return message;
}

}  // namespace

void runClick(const ClickBinding& binding, const HandlerContext& context) {
    reportOutcome(context, binding.handler(context));
}

void reportOutcome(const HandlerContext& context, const HandlerOutcome& outcome) {
    if (outcome) {
        context.messages.show(describeFault(*outcome), kWarningStyle, u"");
    }
}

}  // namespace quotara
