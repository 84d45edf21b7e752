#include "store/gbk_text.hpp"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace qinghe {
namespace {

// Both directions are served from tables that are filled once from the C library's CP936
// converter. Converting a character by table is a lookup, which matters because every database
// read converts its SQL text and its results.
struct CodeTables {
    // Unicode (BMP) -> GBK code; 0 means "not in GBK". Single-byte codes are stored as is.
    std::vector<uint16_t> toGbk = std::vector<uint16_t>(0x10000, 0);
    // GBK two-byte code (lead << 8 | trail) -> Unicode; 0 means "not a character".
    std::vector<uint16_t> fromGbk = std::vector<uint16_t>(0x10000, 0);
    // Single bytes 0x80..0xFF that CP936 maps on their own (0x80 is the euro sign).
    std::array<uint16_t, 128> fromSingle{};

    CodeTables() {
        iconv_t cd = iconv_open("UTF-16LE", "CP936");
        if (cd == reinterpret_cast<iconv_t>(-1)) return;
        auto convert = [&](const char* in, size_t inLen) -> uint32_t {
            char inBuf[2] = {in[0], inLen > 1 ? in[1] : '\0'};
            char outBuf[8];
            char* inPtr = inBuf;
            char* outPtr = outBuf;
            size_t inLeft = inLen, outLeft = sizeof outBuf;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
            if (inLeft != 0 || sizeof outBuf - outLeft != 2) return 0;  // no surrogate pairs in GBK
            return static_cast<uint8_t>(outBuf[0]) | (static_cast<uint8_t>(outBuf[1]) << 8);
        };
        for (unsigned c = 0; c < 0x80; ++c) toGbk[c] = static_cast<uint16_t>(c);
        for (unsigned b = 0x80; b <= 0xFF; ++b) {
            char in[1] = {static_cast<char>(b)};
            if (uint32_t u = convert(in, 1)) {
                fromSingle[b - 0x80] = static_cast<uint16_t>(u);
                if (toGbk[u] == 0) toGbk[u] = static_cast<uint16_t>(b);
            }
        }
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F) continue;
                char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                uint32_t u = convert(in, 2);
                if (u == 0) continue;
                uint16_t code = static_cast<uint16_t>(lead << 8 | trail);
                fromGbk[code] = static_cast<uint16_t>(u);
                if (toGbk[u] == 0) toGbk[u] = code;
            }
        }
        iconv_close(cd);
    }
};

const CodeTables& tables() {
    static const CodeTables instance;
    return instance;
}

// Decodes one UTF-8 sequence at text[i]; returns the code point and advances i, or -1 when the
// sequence is malformed.
int32_t decodeUtf8(std::string_view text, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    uint8_t b0 = byte(i);
    if (b0 < 0x80) { ++i; return b0; }
    int length;
    int32_t cp;
    if (b0 >= 0xC2 && b0 <= 0xDF) { length = 2; cp = b0 & 0x1F; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { length = 3; cp = b0 & 0x0F; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { length = 4; cp = b0 & 0x07; }
    else return -1;
    if (i + length > text.size()) return -1;
    for (int k = 1; k < length; ++k) {
        uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (b & 0x3F);
    }
    if ((length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    i += length;
    return cp;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();)
        if (decodeUtf8(text, i) < 0) return false;
    return true;
}

std::string utf8ToGbk(std::string_view utf8) {
    const CodeTables& t = tables();
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        int32_t cp = decodeUtf8(utf8, i);
        if (cp < 0) return {};
        uint16_t code = cp < 0x10000 ? t.toGbk[cp] : 0;
        if (cp == 0) {
            out += '\0';
        } else if (code == 0) {
            out += '?';
        } else if (code < 0x100) {
            out += static_cast<char>(code);
        } else {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        }
    }
    return out;
}

std::string gbkToUtf8(std::string_view gbk) {
    const CodeTables& t = tables();
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (size_t i = 0; i < gbk.size(); ++i) {
        uint8_t b = static_cast<uint8_t>(gbk[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        if (i + 1 < gbk.size()) {
            uint16_t code = static_cast<uint16_t>(b << 8 | static_cast<uint8_t>(gbk[i + 1]));
            if (uint16_t u = t.fromGbk[code]) {
                appendUtf8(out, u);
                ++i;
                continue;
            }
        }
        if (uint16_t u = t.fromSingle[b - 0x80]) {
            appendUtf8(out, u);
            continue;
        }
        return {};
    }
    return out;
}

}  // namespace qinghe
