#include "opencc_converter.h"

#include <memory>
#include <stdexcept>

namespace script_conversion {
namespace {

// opencc_open's failure value, (opencc_t)-1, as its header documents it.
const opencc_t kNoHandle = reinterpret_cast<opencc_t>(-1);

}  // namespace

OpenccConverter::OpenccConverter(const std::string& config) : handle_(opencc_open(config.c_str())) {
    if (handle_ == kNoHandle) {
        throw std::runtime_error("OpenCC cannot load " + config + ": " + opencc_error());
    }
}

OpenccConverter::~OpenccConverter() { opencc_close(handle_); }

std::string OpenccConverter::Convert(std::string_view utf8) const {
    const std::unique_ptr<char, void (*)(char*)> converted(opencc_convert_utf8(handle_, utf8.data(), utf8.size()),
                                                           opencc_convert_utf8_free);
    if (!converted) throw std::runtime_error(std::string("OpenCC cannot convert the text: ") + opencc_error());
    return converted.get();
}

}  // namespace script_conversion
