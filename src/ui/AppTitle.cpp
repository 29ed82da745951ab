#include "ui/AppTitle.h"

namespace ui {
namespace {
std::string& Title() {
    static std::string title = "Vellicor Rizezuza";
    return title;
}
} // namespace

const std::string& AppTitle() {
    return Title();
}
void SetAppTitle(std::string title) {
    Title() = std::move(title);
}

} // namespace ui
