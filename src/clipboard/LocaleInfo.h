// The readable description of a locale, as found in CF_LOCALE data.
#pragma once

#include <windows.h>

#include <string>

namespace clipboard {

// Never fails: a locale the system does not know gives every label with an
// empty value.
std::string LocaleInfoText(LCID locale);

} // namespace clipboard
