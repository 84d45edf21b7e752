// Every control carries the name the program gives it as its objectName, so that it is found by
// findChild as well as by its member.
#pragma once

#include <QString>

namespace qinghe {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

}  // namespace qinghe
