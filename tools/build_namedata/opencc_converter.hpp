// Traditional/simplified conversion through OpenCC's installed configurations.
#pragma once

#include <string>

namespace namedata {

class OpenccConverter {
public:
    // config: "t2s.json", "s2t.json", ... Throws std::runtime_error naming the package when
    // OpenCC or its data is missing.
    explicit OpenccConverter(const std::string& config);
    ~OpenccConverter();
    OpenccConverter(const OpenccConverter&) = delete;
    OpenccConverter& operator=(const OpenccConverter&) = delete;
    std::string convert(const std::string& utf8) const;

private:
    void* handle_;
};

}  // namespace namedata
