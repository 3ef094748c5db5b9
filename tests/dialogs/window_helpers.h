// Helpers of the dialog window tests: acting on controls as a user does, and
// running a modal window with scripted steps and a watchdog.
#pragma once

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace zw::test {

inline std::string str(const QString& s) {
    return s.toStdString();
}

// The entries of a list box, and the titles of the groups and the texts of the
// labels of a window, in the order of its children.
inline QStringList entries(QComboBox* box) {
    QStringList l;
    for (int i = 0; i < box->count(); ++i)
        l << box->itemText(i);
    return l;
}

inline QStringList groupTitles(QWidget& w) {
    QStringList l;
    for (auto* g : w.findChildren<QGroupBox*>())
        l << g->title();
    return l;
}

inline QStringList labelTexts(QWidget& w) {
    QStringList l;
    for (auto* g : w.findChildren<QLabel*>())
        l << g->text();
    return l;
}

// Shows a dialog without its modal loop and makes it the active window, so
// that focus changes and clicks behave as on screen.
inline void showActive(QDialog& d) {
    d.show();
    d.activateWindow();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
}

// Chooses list entry `index` with the arrow keys, as a user does.
inline void choose(QComboBox* box, int index) {
    for (int guard = 0; box->currentIndex() != index && guard < 50; ++guard)
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(box->currentIndex(), index);
}

inline void click(QWidget* w) {
    ASSERT_TRUE(w->isVisible());
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Types `text` key by key; characters outside Latin-1 arrive as a keyboard
// layout delivers them, as key events carrying their text.
inline void typeKeys(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(w, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// Replaces the text of a field by typing: focus, select all, type, then Tab
// to leave it.
inline void typeInto(QWidget* field, const QString& text, bool leave = true) {
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        typeKeys(field, text);
    if (leave)
        QTest::keyClick(field, Qt::Key_Tab);
}

inline QString fieldText(QAbstractSpinBox* f) {
    return f->text();
}

// Runs `start` (which enters a modal loop) while `steps` act on the open
// window. A watchdog closes `dialog` after a few seconds so that a test never
// hangs, and fails the test when it had to.
template <typename R>
R runModal(QDialog& dialog, const std::function<void()>& steps, const std::function<R()>& start) {
    bool timedOut = false;
    QTimer::singleShot(0, &dialog, [&] {
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            ADD_FAILURE() << "dialog not shown";
            return;
        }
        steps();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &dialog, [&] {
        timedOut = true;
        dialog.done(QDialog::Rejected);
    });
    watchdog.start(5000);
    R result = start();
    watchdog.stop();
    EXPECT_FALSE(timedOut) << "the dialog had to be closed by the watchdog";
    return result;
}

} // namespace zw::test
