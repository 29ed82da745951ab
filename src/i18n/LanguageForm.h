// The language chooser: the user picks one of the language folders below
// "lang"; its driver file is copied into the start directory.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

namespace i18n {

class LanguageForm : public ui::Form {
public:
    LanguageForm();

protected:
    void Form_Load() override;
};

} // namespace i18n
