#include "simplified_form.h"

#include "opencc_converter.h"

namespace script_conversion {

std::string SimplifiedForm(std::string_view traditional) {
    // Loaded at the first traditional character, so castings that never
    // type one never wait for OpenCC's dictionaries.
    static const OpenccConverter converter("t2s.json");
    return converter.Convert(traditional);
}

}  // namespace script_conversion
