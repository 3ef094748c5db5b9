// Shared checks of the dialog window tests: the texts and the visibility of a
// window's controls, and lists of captions, each read as one string to compare.
#pragma once

#include "dialogs/window_helpers.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <initializer_list>
#include <string>

namespace zw::test {

// The text a control shows: a button's caption, a list box's current entry,
// a field's text, a label's text or a group's title.
inline QString shownText(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->currentText();
    if (auto* f = qobject_cast<QAbstractSpinBox*>(w))
        return f->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    ADD_FAILURE() << "no text to read from a " << w->metaObject()->className();
    return {};
}

// The texts the controls show, joined by '|', to compare with one exact text.
inline std::string shownTexts(std::initializer_list<QWidget*> controls) {
    QStringList l;
    for (QWidget* w : controls)
        l << shownText(w);
    return str(l.join('|'));
}

// Which of the controls are visible, as a string of 1 and 0 in their order.
inline std::string visibility(std::initializer_list<const QWidget*> controls) {
    std::string s;
    for (const QWidget* w : controls)
        s += w->isVisible() ? '1' : '0';
    return s;
}

// Every text of the '|'-separated `wanted` is among `shown`.
inline void expectAmong(const QStringList& shown, const char* wanted) {
    for (const QString& w : QString::fromUtf8(wanted).split('|'))
        EXPECT_TRUE(shown.contains(w)) << str(w);
}

// The entries of a list box, joined by '|'.
inline std::string joinedEntries(QComboBox* box) {
    return str(entries(box).join('|'));
}

} // namespace zw::test
