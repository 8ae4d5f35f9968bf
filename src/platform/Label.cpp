#include "platform/Label.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QStyle>

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
    : Control(parent, name, makeLabel({})) {
    initColors(SysButtonFace, SysButtonText);
    setCaption(caption);
    move(0, 0, 975, 255);
}

QLabel* Label::label() const {
    return static_cast<QLabel*>(widget());
}
QString Label::caption() const {
    return caption_;
}
// A carriage return breaks the line, as in the program's messages.
void Label::setCaption(const QString& text) {
    caption_ = text;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label()->setText(shown);
}
bool Label::wordWrap() const {
    return label()->wordWrap();
}
void Label::setWordWrap(bool on) {
    label()->setWordWrap(on);
}
int Label::textHeight() const {
    const int px = label()->wordWrap() ? label()->heightForWidth(toPixels(width()))
                                       : label()->sizeHint().height();
    return toTwips(px);
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

void PictureBox::setStockIcon(StockIcon icon) {
    QStyle::StandardPixmap which = QStyle::SP_MessageBoxInformation;
    switch (icon) {
    case StockIcon::Stop:
        which = QStyle::SP_MessageBoxCritical;
        break;
    case StockIcon::Question:
        which = QStyle::SP_MessageBoxQuestion;
        break;
    case StockIcon::Exclamation:
        which = QStyle::SP_MessageBoxWarning;
        break;
    case StockIcon::Information:
        break;
    }
    constexpr int Size = 32;
    auto* l = static_cast<QLabel*>(widget());
    l->setPixmap(l->style()->standardIcon(which, nullptr, l).pixmap(Size, Size));
}

} // namespace platform
