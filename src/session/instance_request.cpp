#include "session/instance_request.h"

#include "control/form2.h"
#include "session/entered_expression.h"

namespace zelvo {

InstanceRequest RequestOf(const Command& command) {
    switch (command.kind) {
        case CommandKind::Toggle:
            return InstanceRequest::Toggle;
        case CommandKind::Quit:
            return InstanceRequest::Quit;
        case CommandKind::Enter:
            return {InstanceRequest::Enter, command.expression};
        default:
            return InstanceRequest::Show;
    }
}

void CarryOut(const InstanceRequest& request, Form2& dialog) {
    switch (request.verb) {
        case RequestVerb::Show:
            dialog.pulldown2_bar_out_Click();
            break;
        case RequestVerb::Toggle:
            dialog.SendHotKeyMessage();
            break;
        case RequestVerb::Quit:
            dialog.EndProgram();
            break;
        case RequestVerb::Enter:
            EnterExpression(dialog, request.text);
            break;
    }
}

bool AnsweredOnReceipt(const InstanceRequest& request) {
    return request.verb == RequestVerb::Enter;
}

}  // namespace zelvo
