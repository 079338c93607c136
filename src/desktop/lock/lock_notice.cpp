#include "desktop/lock/lock_notice.h"

namespace kelo::desktop::lock {

LockNotice::LockNotice(QWidget& window, std::string_view text)
    : QLabel(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), &window) {
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setMargin(48);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x20, 0x30, 0x60));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    QFont large = font();
    large.setPointSize(22);
    setFont(large);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // a click goes to the window, which closes it
    fit();
    show();
    raise();
}

void LockNotice::fit() {
    setGeometry(parentWidget()->rect());
}

}  // namespace kelo::desktop::lock
