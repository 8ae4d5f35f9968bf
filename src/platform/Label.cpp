#include "platform/Label.h"

#include <QLabel>
#include <QPixmap>

namespace platform {

namespace {
QLabel* makeLabel(const QString& caption) {
    auto* l = new QLabel(caption);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace

Label::Label(Container& parent, const QString& name, const QString& caption)
    : Control(parent, name, makeLabel(caption)) {
    initColors(SysButtonFace, SysButtonText);
    move(0, 0, 975, 255);
}

QLabel* Label::label() const {
    return static_cast<QLabel*>(widget());
}
QString Label::caption() const {
    return label()->text();
}
void Label::setCaption(const QString& text) {
    label()->setText(text);
}
bool Label::wordWrap() const {
    return label()->wordWrap();
}
void Label::setWordWrap(bool on) {
    label()->setWordWrap(on);
}

void Label::setAlignment(int a) {
    alignment_ = a;
    Qt::Alignment h = a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    label()->setAlignment(h | Qt::AlignTop);
}

PictureBox::PictureBox(Container& parent, const QString& name) : Control(parent, name, new QLabel) {
    initColors(SysButtonFace, SysButtonText);
    static_cast<QLabel*>(widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    move(0, 0, 1215, 1215);
}

bool PictureBox::loadPicture(const QString& path) {
    auto* l = static_cast<QLabel*>(widget());
    if (path.isEmpty()) {
        l->clear();
        return true;
    }
    QPixmap pm(path);
    if (pm.isNull()) return false;
    l->setPixmap(pm);
    return true;
}

} // namespace platform
