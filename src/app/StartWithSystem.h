// "Load when the system starts" (Check1): the per-user Run value that makes
// Windows start the program at log-on.
#pragma once

namespace app {

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Vellicor Rizezuza";

// Writes the Run value, the quoted full path of the program, or removes it.
// Throws std::runtime_error when the registry refuses.
void SetStartWithSystem(bool start);

} // namespace app
