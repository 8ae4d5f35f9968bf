#pragma once
// The items of a list box or combo box read back as text.

#include <QStringList>

// The items of a list box or combo box, in order.
template <class List> QStringList itemsOf(const List& list) {
    QStringList out;
    for (int i = 0; i < list.listCount(); ++i)
        out << list.list(i);
    return out;
}
