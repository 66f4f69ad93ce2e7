#include "korbit/platform/system.h"

namespace korbit::platform {

System& realSystem() {
    static System system;
    return system;
}

}  // namespace korbit::platform
