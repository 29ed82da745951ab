// The program's error type: an error number, the source that raised it and
// a description, as the program's classes report misuse.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace ui {

class ProgramError : public std::runtime_error {
  public:
    ProgramError(std::int32_t number, std::string source, std::string description)
        : std::runtime_error(description), number_(number), source_(std::move(source)),
          description_(std::move(description)) {}
    std::int32_t Number() const { return number_; }
    const std::string& Source() const { return source_; }
    const std::string& Description() const { return description_; }

  private:
    std::int32_t number_;
    std::string source_;
    std::string description_;
};

} // namespace ui
