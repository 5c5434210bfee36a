#ifndef FORMGESTURES_H
#define FORMGESTURES_H

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

// A user's keys and clicks on the fields of a form, shared by the window-level tests.

// Selects the whole text, deletes it and types the new one.
inline void retype(QLineEdit *n_field, const QString &n_text)
{
    n_field->setFocus();
    n_field->selectAll();
    QTest::keyClick(n_field, Qt::Key_Backspace);
    QTest::keyClicks(n_field, n_text);
}

// Walks a drop-down list with the arrow keys from its first entry to the entry of that text;
// false when there is none.
inline bool chooseByKeys(QComboBox *n_box, const QString &n_text)
{
    n_box->setFocus();
    QTest::keyClick(n_box, Qt::Key_Home);
    for (int step = 0; step < n_box->count(); ++step) {
        if (n_box->currentText() == n_text)
            return true;
        QTest::keyClick(n_box, Qt::Key_Down);
    }
    return n_box->currentText() == n_text;
}

// A click on the box's mark (a box without text takes clicks on its mark only).
inline void clickCheckMark(QCheckBox *n_box)
{
    QStyleOptionButton option;
    option.initFrom(n_box);
    const QRect hit = n_box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, n_box);
    QTest::mouseClick(n_box, Qt::LeftButton, {}, hit.center());
}

#endif // FORMGESTURES_H
