#include "ui/SingleInstance.h"

namespace ui {
namespace {
std::string& Name() {
    static std::string name = "Local\\VellicorRizezuza.Instance";
    return name;
}
} // namespace

void SetInstanceName(std::string name) {
    Name() = std::move(name);
}
const std::string& InstanceName() {
    return Name();
}

SingleInstance::SingleInstance() : mutex_(CreateMutexA(nullptr, FALSE, Name().c_str())) {
    // A mutex that cannot be made at all is no sign of a second copy.
    another_ = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace ui
