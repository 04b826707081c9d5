#pragma once

#include <stdexcept>
#include <string>

namespace casting {

// A conversion the runtime refuses: a day that does not exist, a character
// that is no digit. It ends the whole command; the window shows what() in
// its standard error box. The text is GBK.
class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace casting
