#include "session/instance_request.h"

#include "control/form2.h"

namespace zelvo {

InstanceRequest RequestOf(CommandKind kind) {
    switch (kind) {
        case CommandKind::Toggle:
            return InstanceRequest::Toggle;
        case CommandKind::Quit:
            return InstanceRequest::Quit;
        default:
            return InstanceRequest::Show;
    }
}

void CarryOut(InstanceRequest request, Form2& dialog) {
    switch (request) {
        case InstanceRequest::Show:
            dialog.pulldown2_bar_out_Click();
            break;
        case InstanceRequest::Toggle:
            dialog.SendHotKeyMessage();
            break;
        case InstanceRequest::Quit:
            dialog.EndProgram();
            break;
    }
}

}  // namespace zelvo
