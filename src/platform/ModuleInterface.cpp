#include "ModuleInterface.h"

int fynModuleInterfaceVersion() {
    return fyn::kModuleInterfaceVersion;
}
