#include "app/LogText.h"

namespace app {

std::string LogLineText(std::string_view date, std::string_view time, std::string_view message) {
    std::string line;
    line.reserve(date.size() + time.size() + message.size() + 5);
    line.append(date).append(", ").append(time).append(" - ").append(message);
    return line;
}

std::optional<std::string> PictureOfLogLine(std::string_view line, std::string_view savedText,
                                            std::string_view keptText) {
    const size_t dash = line.find(" - ");
    if (dash == std::string_view::npos) return std::nullopt;
    const std::string_view message = line.substr(dash + 3);
    for (std::string_view text : {savedText, keptText}) {
        if (text.empty() || !message.starts_with(text) || message.substr(text.size()).rfind(": ", 0) != 0)
            continue;
        const std::string_view path = message.substr(text.size() + 2);
        if (!path.empty()) return std::string(path);
    }
    return std::nullopt;
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
