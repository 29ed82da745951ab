#include "clipboard/ClipViewerForm.h"

#include "ui/AppTitle.h"

namespace clipboard {

ClipViewerForm::ClipViewerForm()
    : ui::Form(kDesignCaption, 6000, 4500, ui::FormStyle::Sizable), Text1(*this, true), Picture1(*this) {}

ClipViewerForm::~ClipViewerForm() = default;

void ClipViewerForm::CheckStillWatching() { Load(); }

void ClipViewerForm::Form_Load() { ui::SetAppTitle(kDesignCaption); }

void ClipViewerForm::Form_Unload() {}

} // namespace clipboard
