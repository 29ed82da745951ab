#include "capture/ProgramList.h"

#include <algorithm>

namespace capture {
namespace {

// Lower case, without blanks around it and without a final ".exe".
std::string Canonical(std::string_view name) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.front())) name.remove_prefix(1);
    while (!name.empty() && blank(name.back())) name.remove_suffix(1);
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (lower.size() > 4 && lower.ends_with(".exe")) lower.resize(lower.size() - 4);
    return lower;
}

} // namespace

ProgramList ProgramList::Parse(std::string_view text) {
    ProgramList list;
    while (!text.empty()) {
        const size_t end = std::min(text.find(';'), text.find(','));
        std::string name = Canonical(text.substr(0, end));
        if (!name.empty()) list.names_.push_back(std::move(name));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return list;
}

bool ProgramList::Holds(std::string_view fileName) const {
    if (names_.empty() || fileName.empty()) return false;
    return std::find(names_.begin(), names_.end(), Canonical(fileName)) != names_.end();
}

void SharedProgramList::Set(ProgramList list) {
    std::lock_guard lock(mutex_);
    list_ = std::move(list);
}

bool SharedProgramList::Holds(std::string_view fileName) const {
    std::lock_guard lock(mutex_);
    return list_.Holds(fileName);
}

} // namespace capture
