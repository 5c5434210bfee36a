#ifndef BOXRECORDER_H
#define BOXRECORDER_H

#include "MessageBoxes.h"

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>

// Answers every message box with Ok (question boxes with the answer given) while it lives and
// records what each one showed.
class BoxRecorder
{
public:
    struct Box
    {
        QMessageBox::Icon icon;
        bool customIcon;
        QString title;
        QString text;
        Qt::TextFormat format;
        QWidget *parent;
        QMessageBox::StandardButtons buttons;
    };

    BoxRecorder()
    {
        MessageBoxes::setBoxHandler([this](QMessageBox &n_box) {
            m_boxes.append({n_box.icon(),
                            n_box.icon() == QMessageBox::NoIcon && !n_box.iconPixmap().isNull(),
                            n_box.windowTitle(), n_box.text(), n_box.textFormat(),
                            n_box.parentWidget(), n_box.standardButtons()});
            return int(n_box.icon() == QMessageBox::Question ? m_questionAnswer : QMessageBox::Ok);
        });
    }
    ~BoxRecorder() { MessageBoxes::setBoxHandler({}); }
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;

    const QList<Box> &boxes() const { return m_boxes; }
    QStringList texts() const
    {
        QStringList result;
        for (const Box &box : m_boxes)
            result.append(box.text);
        return result;
    }
    void clear() { m_boxes.clear(); }
    void answerQuestions(QMessageBox::StandardButton n_answer) { m_questionAnswer = n_answer; }

private:
    QList<Box> m_boxes;
    QMessageBox::StandardButton m_questionAnswer = QMessageBox::Ok;
};

#endif // BOXRECORDER_H
