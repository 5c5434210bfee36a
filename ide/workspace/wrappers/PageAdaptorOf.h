#ifndef PAGEADAPTOROF_H
#define PAGEADAPTOROF_H

#include "model/OstraClass.h"
#include "workspace/colleagues/BaseColleague.h"
#include "workspace/routing/WorkSpaceTypes.h"
#include "workspace/wrappers/PageAdaptor.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QPointer>

#include <stdexcept>
#include <type_traits>
#include <utility>

namespace PageTraits {

// Each trait tells whether a page offers one operation of PageAdaptor.
template<typename Page, typename = void>
struct HasSetData : std::false_type
{
};
template<typename Page>
struct HasSetData<
    Page, std::void_t<decltype(std::declval<Page &>().setData(std::declval<OstraClass *>()))>>
    : std::true_type
{
};

// The class-test page shows a class given as a shared pointer.
template<typename Page, typename = void>
struct HasSetRootClass : std::false_type
{
};
template<typename Page>
struct HasSetRootClass<Page, std::void_t<decltype(std::declval<Page &>().setRootClass(
                                 std::declval<QSharedPointer<OstraClass>>()))>> : std::true_type
{
};

template<typename Page, typename = void>
struct HasSetParent : std::false_type
{
};
template<typename Page>
struct HasSetParent<Page, std::void_t<decltype(std::declval<Page &>().setParent(QString()))>>
    : std::true_type
{
};

template<typename Page, typename = void>
struct HasGetParent : std::false_type
{
};
template<typename Page>
struct HasGetParent<Page, std::void_t<decltype(std::declval<const Page &>().getParent())>>
    : std::true_type
{
};

template<typename Page, typename = void>
struct HasSetEditData : std::false_type
{
};
template<typename Page>
struct HasSetEditData<Page, std::void_t<decltype(std::declval<Page &>().setEditData(
                                std::declval<OstraClass *>(), QString()))>> : std::true_type
{
};

template<typename Page, typename = void>
struct HasSave : std::false_type
{
};
template<typename Page>
struct HasSave<Page, std::void_t<decltype(std::declval<Page &>().save()),
                                 decltype(std::declval<Page &>().errorMessageOnOff(true)),
                                 decltype(std::declval<const Page &>().getUid())>> : std::true_type
{
};

template<typename Page, typename = void>
struct HasRefresh : std::false_type
{
};
template<typename Page>
struct HasRefresh<Page, std::void_t<decltype(std::declval<Page &>().refresh())>> : std::true_type
{
};

template<typename Page, typename = void>
struct HasRetranslate : std::false_type
{
};
template<typename Page>
struct HasRetranslate<Page, std::void_t<decltype(std::declval<Page &>().retranslateUI())>>
    : std::true_type
{
};

// The colleague class a page's setColleague takes.
template<typename Page, typename Colleague>
Colleague *colleagueOf(void (Page::*)(Colleague *));

} // namespace PageTraits

// PageAdaptor over the page class Page. Every page has setColleague; the other operations are
// called when Page offers them.
template<typename Page>
class PageAdaptorOf : public PageAdaptor
{
public:
    explicit PageAdaptorOf(Page *n_page) : PageAdaptor(n_page), m_page(n_page) {}

    bool setData(OstraClass *n_root) override
    {
        if constexpr (PageTraits::HasSetRootClass<Page>::value) {
            if (m_page)
                m_page->setRootClass(n_root ? n_root->sharedFromThis()
                                            : QSharedPointer<OstraClass>());
            return true;
        } else if constexpr (PageTraits::HasSetData<Page>::value) {
            if (m_page)
                m_page->setData(n_root);
        }
        return false;
    }
    void setParent(const QString &n_parentUid) override
    {
        if constexpr (PageTraits::HasSetParent<Page>::value)
            if (m_page)
                m_page->setParent(n_parentUid);
    }
    QString getParent() const override
    {
        if constexpr (PageTraits::HasGetParent<Page>::value)
            if (m_page)
                return m_page->getParent();
        return QString();
    }
    void setEditData(OstraClass *n_root, const QString &n_uid) override
    {
        if constexpr (PageTraits::HasSetEditData<Page>::value)
            if (m_page)
                m_page->setEditData(n_root, n_uid);
    }
    void setColleague(BaseColleague *n_colleague) override
    {
        using Colleague =
            std::remove_pointer_t<decltype(PageTraits::colleagueOf(&Page::setColleague))>;
        auto *colleague = dynamic_cast<Colleague *>(n_colleague);
        if (n_colleague && !colleague)
            throw std::logic_error(std::string(Page::staticMetaObject.className())
                                   + ": the colleague given is not of the page's kind");
        if (m_page)
            m_page->setColleague(colleague);
    }
    bool canSave() const override { return PageTraits::HasSave<Page>::value; }
    bool save(bool n_showErrors) override
    {
        if constexpr (PageTraits::HasSave<Page>::value) {
            if (m_page) {
                m_page->errorMessageOnOff(n_showErrors);
                return m_page->save();
            }
        }
        return false;
    }
    QString getUid() const override
    {
        if constexpr (PageTraits::HasSave<Page>::value)
            if (m_page)
                return m_page->getUid();
        return QString();
    }
    void refresh() override
    {
        if constexpr (PageTraits::HasRefresh<Page>::value)
            if (m_page)
                m_page->refresh();
    }
    void retranslateUI() override
    {
        if constexpr (PageTraits::HasRetranslate<Page>::value)
            if (m_page)
                m_page->retranslateUI();
    }

private:
    QPointer<Page> m_page;
};

// A new editor-tab wrapper of the page, of that kind, with the page's adaptor attached.
template<typename Page>
WidgetWrapper *wrapPage(TypeWorkSpaceWindow n_kind, Page *n_page)
{
    auto *wrapper = new WidgetWrapper(WORKSPACE_TAB, n_kind, n_page);
    wrapper->attachPage(new PageAdaptorOf<Page>(n_page));
    return wrapper;
}

#endif // PAGEADAPTOROF_H
