#ifndef WIDGETLINEEDITWITHUIDMEMBER_H
#define WIDGETLINEEDITWITHUIDMEMBER_H

#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>

class QTreeWidgetItem;
class Ui_widgetLineEditWithUIDMember;

// The value field of one parameter row of the class-test tree: a known value typed by the user
// (black), the parameter's default (blue) or the last test's result (red). It remembers the text
// shown before a default or a result came in, so that clearing can bring the user's input back.
class widgetLineEditWithUIDMember : public QWidget
{
    Q_OBJECT

public:
    explicit widgetLineEditWithUIDMember(QWidget *parent = nullptr);
    widgetLineEditWithUIDMember(QString n_uid, QWidget *parent = nullptr);
    ~widgetLineEditWithUIDMember() override;

    void setUID(QString n_uid);
    QString getUID() const;
    // A number field takes numbers of the default locale only; a text field takes anything.
    void setAllowedType(QVariant::Type n_type);
    QVariant::Type getAllowedType() const;
    void setDefaultValue(QString n_value);
    void setResultValue(QString n_value);
    void setValue(QString n_value);
    // The text as typed; for a number field with every "," read as ".".
    QString getValue() const;
    // The text exactly as shown.
    QString getText() const;
    void setPreviousValue();
    QString getPreviousValue();
    void clearContents();
    bool checkType() const;
    bool isEmpty() const;
    bool getResultFlag() const;
    bool isChanged() const;
    void setParentTreeWidgetItem(QTreeWidgetItem *n_item);
    QTreeWidgetItem *getParentTreeWidgetItem() const;
    void setParameterName(QString n_name);
    QString getParameterName() const;

private slots:
    void on_lineEdit_textChanged(const QString &n_text);

private:
    void setTextColor(const QColor &n_color);
    void setText(const QString &n_text);
    bool isNumberField() const;

    std::unique_ptr<Ui_widgetLineEditWithUIDMember> ui;
    QString m_uid;
    QVariant::Type m_allowedType = QVariant::String;
    bool m_resultFlag = false;
    bool m_changed = false;
    QTreeWidgetItem *m_parentTreeWidgetItem = nullptr;
    QString m_defaultValue;
    QString m_previousValue;
    QString m_parameterName;
    int m_numberKeyOffset = 6;
    int m_textKeyOffset = 7;
};

#endif // WIDGETLINEEDITWITHUIDMEMBER_H
