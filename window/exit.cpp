#include "window/exit.h"

namespace vestrel::window {

void OnExitClick(WindowModel& form) {
    form.Close();
}

}  // namespace vestrel::window
