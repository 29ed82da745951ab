#include "i18n/LanguageForm.h"

namespace i18n {

LanguageForm::LanguageForm() : ui::Form("Language Changer", 5400, 4200, ui::FormStyle::Fixed) {}

void LanguageForm::Form_Load() {}

} // namespace i18n
