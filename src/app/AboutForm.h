// The About window: version, copyright, the language driver's identity and
// the maker's links.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

namespace app {

class AboutForm : public ui::Form {
public:
    AboutForm();

protected:
    void Form_Load() override;
};

} // namespace app
