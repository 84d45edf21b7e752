#include "opencc_converter.hpp"

#include <opencc/opencc.h>

#include <stdexcept>

namespace namedata {

OpenccConverter::OpenccConverter(const std::string& config) : handle_(opencc_open(config.c_str())) {
    if (handle_ == reinterpret_cast<void*>(-1))
        throw std::runtime_error("OpenCC's conversion table " + config +
                                 " is missing (install the Debian packages opencc and libopencc-dev)");
}

OpenccConverter::~OpenccConverter() { opencc_close(static_cast<opencc_t>(handle_)); }

std::string OpenccConverter::convert(const std::string& utf8) const {
    char* out = opencc_convert_utf8(static_cast<opencc_t>(handle_), utf8.data(), utf8.size());
    if (!out) return utf8;
    std::string result(out);
    opencc_convert_utf8_free(out);
    return result;
}

}  // namespace namedata
