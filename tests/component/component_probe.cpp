// A host program for the component tests. Every run is a new process, so the
// library's counts of live objects start from nothing and nothing is loaded
// before the loader loads it.
//
//   component_probe lifetime            two KorbitControls, DllCanUnloadNow as they come and go
//   component_probe create PROGID       one object: where its library was found
//   component_probe register LIBRARY    (and unregister) the library's registration
//
// Prints key=value lines. A ComponentError prints "error=<failure> <message>"
// and ends with status 3.
#include <iostream>
#include <string>

#include "korbit/hosting/hosting.h"

namespace {

using namespace korbit;
using namespace korbit::hosting;

void lifetime() {
    const ComponentLoader loader;
    const ComponentLocation location = loader.locate(com::kProgIdKorbitControl);
    const ComponentLibrary& library = ComponentLibrary::load(location.library);
    std::cout << "library=" << location.library.string() << "\nregistered=" << location.registered << '\n';
    std::cout << "before=" << library.canUnloadNow() << '\n';

    ComPtr<com::IDispatch> first = loader.createObject(com::kProgIdKorbitControl);
    ComPtr<com::IDispatch> second = loader.createObject(com::kProgIdKorbitControl);
    std::cout << "distinct=" << (first.get() != second.get()) << '\n';
    std::cout << "both=" << library.canUnloadNow() << '\n';
    first.reset();
    std::cout << "one=" << library.canUnloadNow() << '\n';
    second.reset();
    std::cout << "none=" << library.canUnloadNow() << '\n';

    ComPtr<com::IClassFactory> factory = library.classFactory(location.clsid);
    std::cout << "factory=" << library.canUnloadNow() << '\n';
    (void)factory->LockServer(true);
    factory.reset();
    std::cout << "locked=" << library.canUnloadNow() << '\n';
    (void)library.classFactory(location.clsid)->LockServer(false);
    std::cout << "unlocked=" << library.canUnloadNow() << '\n';
}

void create(const std::string& progId) {
    const ComponentLoader loader;
    const ComponentLocation location = loader.locate(progId);
    ComPtr<com::IDispatch> object = loader.createObject(progId);
    std::cout << "library=" << location.library.string() << "\nregistered=" << location.registered
              << "\nclass=" << guidToText(location.clsid) << "\ncreated=" << static_cast<bool>(object) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "lifetime" && argc == 2) {
            lifetime();
        } else if (command == "create" && argc == 3) {
            create(argv[2]);
        } else if (command == "register" && argc == 3) {
            registerServer(argv[2]);
        } else if (command == "unregister" && argc == 3) {
            unregisterServer(argv[2]);
        } else {
            std::cerr << "usage: component_probe lifetime | create PROGID | register LIBRARY | unregister LIBRARY\n";
            return 2;
        }
    } catch (const ComponentError& e) {
        std::cout << "error=" << static_cast<int>(e.failure()) << ' ' << e.what() << '\n';
        return 3;
    }
    return 0;
}
