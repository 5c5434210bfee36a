#ifndef PAGEADAPTOR_H
#define PAGEADAPTOR_H

#include <QObject>
#include <QString>

class BaseColleague;
class OstraClass;

// The operations the workspace calls on a page of its body (editor page, class-test page or
// tree), whatever the page's class. PageAdaptorOf implements it once over a concrete page; it is a
// child of the page, so it goes when the page goes. An operation the page does not offer does
// nothing (answers false or an empty text).
class PageAdaptor : public QObject
{
    Q_OBJECT

public:
    explicit PageAdaptor(QObject *n_page);

    // True when the page shows the class itself (and so takes the class's id), false when it
    // shows an element of it.
    virtual bool setData(OstraClass *n_root) = 0;
    virtual void setParent(const QString &n_parentUid) = 0;
    virtual QString getParent() const = 0;
    virtual void setEditData(OstraClass *n_root, const QString &n_uid) = 0;
    // Binds the page to its colleague; throws std::logic_error when the colleague is not the
    // page's kind of colleague. A null colleague leaves the page unbound.
    virtual void setColleague(BaseColleague *n_colleague) = 0;
    // Whether the page writes an element (and so has an id and a title after a save).
    virtual bool canSave() const = 0;
    virtual bool save(bool n_showErrors) = 0;
    virtual QString getUid() const = 0;
    virtual void refresh() = 0;
    virtual void retranslateUI() = 0;
};

#endif // PAGEADAPTOR_H
