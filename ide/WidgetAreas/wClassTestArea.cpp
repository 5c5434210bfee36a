#include "WidgetAreas/wClassTestArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "model/OstraClass.h"

#include <utility>

wClassTestArea::wClassTestArea(bool, QWidget *parent) : QWidget(parent) {}

void wClassTestArea::setRootClass(QSharedPointer<OstraClass> n_class)
{
    if (!n_class) {
        const ErrorDictionary &errors = ErrorDictionary::Instance();
        MessageBoxes::information(this, errors.getErrorById(errors.getOstraIDEBeginKey() + 1),
                                  errors.getErrorById(errors.getOstraIDEBeginKey() + m_nullClassOffset));
        return;
    }
    m_class = std::move(n_class);
    setTitleFromClass();
}

QSharedPointer<OstraClass> wClassTestArea::getRootClass() const { return m_class; }

void wClassTestArea::setTitleFromClass()
{
    if (!m_class)
        return;
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    setWindowTitle(texts.getTextById(texts.getOstraTestBeginKey() + m_titleOffset) + QLatin1Char(' ')
                   + m_class->getShortName());
}

void wClassTestArea::setColleague(TestModelColleague *n_colleague) { m_colleague = n_colleague; }

void wClassTestArea::retranslateUI() { setTitleFromClass(); }

void wClassTestArea::run() {}
void wClassTestArea::showGraph() {}
void wClassTestArea::filterResult() {}
void wClassTestArea::clearResult() {}

bool wClassTestArea::createItem(CommandItem *) { return true; }
bool wClassTestArea::updateItem(CommandItem *) { return true; }
bool wClassTestArea::deleteItem(CommandItem *) { return true; }
