// A window's caption as the desktop shows it: the modified mark's placeholder
// "[*]" becomes "*" while the window is modified, and goes otherwise.
#pragma once

#include <QString>
#include <QWidget>

namespace zw::test {

inline QString shownTitle(const QWidget& w) {
    QString t = w.windowTitle();
    t.replace(QStringLiteral("[*]"), w.isWindowModified() ? QStringLiteral("*") : QString());
    return t;
}

} // namespace zw::test
