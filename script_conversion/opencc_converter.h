// One OpenCC conversion, named by its configuration file ("s2tw.json",
// "t2s.json"), which OpenCC looks up in its data folder. UTF-8 in and out.
#pragma once

#include <opencc/opencc.h>

#include <string>
#include <string_view>

namespace script_conversion {

class OpenccConverter {
public:
    // Throws std::runtime_error naming the configuration and OpenCC's
    // reason when it cannot be loaded: a wrong name, or OpenCC's data
    // package missing.
    explicit OpenccConverter(const std::string& config);
    ~OpenccConverter();
    OpenccConverter(const OpenccConverter&) = delete;
    OpenccConverter& operator=(const OpenccConverter&) = delete;

    // Throws std::runtime_error with OpenCC's reason when it refuses the
    // text.
    std::string Convert(std::string_view utf8) const;

private:
    opencc_t handle_;
};

}  // namespace script_conversion
