#include "app/LogText.h"

namespace app {

std::string LogLineText(std::string_view date, std::string_view time, std::string_view message) {
    std::string line;
    line.reserve(date.size() + time.size() + message.size() + 5);
    line.append(date).append(", ").append(time).append(" - ").append(message);
    return line;
}

std::vector<std::string> LogHeaderLines(std::string_view date, std::string_view time) {
    return {"Vellicor Rizezuza LOG", "Started at " + std::string(date) + "," + std::string(time),
            std::string(48, '=')};
}

std::string VersionLabelText(int major, int minor, int revision) {
    return "v." + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

std::string MainTitleText(int major, int minor) {
    return "Vellicor Rizezuza " + std::to_string(major) + "." + std::to_string(minor);
}

std::string AboutVersionText(int major, int minor, int revision) {
    std::string text = std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
    if (major == 0) text += " BETA";
    return text;
}

} // namespace app
