#include "ranking/ModalLoop.h"

#include "ranking/Form2.h"

namespace ranking {

void ApplicationModalLoop::run(TForm2& dialog) {
    platform::Application& application = dialog.Application();
    while (!dialog.Closed() && !application.terminated()) {
        dialog.Paint();
        application.handleMessage(true);
    }
}

}  // namespace ranking
