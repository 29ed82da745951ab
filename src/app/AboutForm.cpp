#include "app/AboutForm.h"

namespace app {

AboutForm::AboutForm() : ui::Form(":: www.vellicor.example ::", 6000, 4200, ui::FormStyle::Fixed) {}

void AboutForm::Form_Load() {}

} // namespace app
