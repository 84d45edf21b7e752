// The one crossing between the program's GBK texts and Qt's QString. Every widget text goes
// through these two functions; nothing else in the windows converts encodings.
#pragma once

#include <QString>
#include <string>

namespace qinghe {

// GBK to QString. A byte sequence that is not GBK gives the empty string.
QString toQString(const std::string& gbkText);

// QString to GBK. Characters that GBK cannot hold become "?".
std::string toGbk(const QString& text);

}  // namespace qinghe
