// GBK texts for tests: the test sources are UTF-8, the code under test
// speaks GBK bytes.
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// The GBK bytes of a UTF-8 text; throws if GBK cannot hold a character.
std::string gbk(std::string_view utf8);

// The UTF-8 form of GBK bytes, for readable failure messages.
std::string utf8(std::string_view gbk);

}  // namespace testing_support
