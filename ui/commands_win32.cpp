// The commands' Win32 glue. (Placeholder until the commands are built: the
// buttons are recognised and do nothing.)
#include "ui/app_state.h"
#include "ui/commands.h"

void on_calculate() {}
void on_copy_result() {}
void on_reset() {}
void on_about() {}
void save_record() {}

bool run_command(int id) {
    switch (id) {
    case kIdCalculate: on_calculate(); return true;
    case kIdSaveRecord: save_record(); return true;
    case kIdCopyResult: on_copy_result(); return true;
    case kIdReset: on_reset(); return true;
    case kIdAbout: on_about(); return true;
    default: return false;
    }
}
