// The contacts module as an older or newer package brings it: its entries, built for another
// set of them.

#include "ModuleInterface.h"

int fynModuleInterfaceVersion() {
    return fyn::kModuleInterfaceVersion + 1;
}
