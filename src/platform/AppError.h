#pragma once
#include <stdexcept>
#include <string>

// A failure that ends the running handler and is shown in the standard error box.
// The message is Shift-JIS bytes, without the final ".".
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& sjisMessage) : std::runtime_error(sjisMessage) {}
};
