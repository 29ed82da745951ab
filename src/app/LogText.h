// The texts of the program log and of the version labels.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// A log line: date, ", ", time, " - ", the message.
std::string LogLineText(std::string_view date, std::string_view time, std::string_view message);
// The picture file a log line tells of: the path after "<text>: " in a line
// whose message begins with one of the texts (a saved or a kept picture);
// nothing for any other line.
std::optional<std::string> PictureOfLogLine(std::string_view line, std::string_view savedText,
                                            std::string_view keptText);
// The three header lines written at start when the log is on.
std::vector<std::string> LogHeaderLines(std::string_view date, std::string_view time);

// "v.2.2.2006"
std::string VersionLabelText(int major, int minor, int revision);
// "Vellicor Rizezuza 2.2"
std::string MainTitleText(int major, int minor);
// "2.2.2006", or "0.9.3 BETA" for a major version 0.
std::string AboutVersionText(int major, int minor, int revision);

} // namespace app
