#include "app/qt_text.hpp"

#include "store/gbk_text.hpp"

namespace qinghe {

QString toQString(const std::string& gbkText) {
    bool ascii = true;
    for (char c : gbkText) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    // Numbers and other plain ASCII columns are the common case in long lists: skip iconv.
    if (ascii) return QString::fromLatin1(gbkText.data(), static_cast<qsizetype>(gbkText.size()));
    const std::string utf8 = gbkToUtf8(gbkText);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toGbk(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToGbk(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

}  // namespace qinghe
