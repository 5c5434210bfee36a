#include "model/OstraSingleClass.h"

#include "elements/RelationsStorage.h"
#include "errors/PointerIsNull.h"
#include "solver/BaseAlgorithmData.h"
#include "solver/RemoteAlgorithm.h"
#include "solver/RuntimeAlgorithm.h"
#include "solver/StaticAlgorithm.h"

namespace {
const QString CLASS_NAME = QStringLiteral("OstraSingleClass");

// Kind numbers as the class-test area and the copy constructor pass them.
const unsigned SEARCH_STATIC = 0;
const unsigned SEARCH_RUNTIME = 1;
const unsigned SEARCH_REMOTE = 2;
const unsigned SEARCH_KEEP = 3;
} // namespace

OstraSingleClass::OstraSingleClass(QSharedPointer<RelationsStorage> n_storage)
    : BaseClassCommonData(n_storage), BaseOstraObj()
{
}

OstraSingleClass::OstraSingleClass(const QString &n_id)
    : BaseClassCommonData(QSharedPointer<RelationsStorage>::create()), BaseOstraObj(n_id)
{
}

OstraSingleClass::OstraSingleClass(const QString &n_id, const QString &n_shortName,
                                   const QString &n_description, const QString &n_author,
                                   const QString &n_GUID)
    : BaseClassCommonData(QSharedPointer<RelationsStorage>::create()),
      BaseOstraObj(n_id, n_shortName, n_description, n_author, n_GUID)
{
}

OstraSingleClass::OstraSingleClass(const OstraSingleClass &n_other,
                                   QSharedPointer<RelationsStorage> n_storage)
    : BaseClassCommonData(n_storage), BaseOstraObj(n_other)
{
    const QSharedPointer<BaseAlgorithm> otherAlgorithm = n_other.getSearchAlgorithm();
    if (!otherAlgorithm.isNull())
        setSearchAlgorithm(otherAlgorithm->getAlgorithmType(), otherAlgorithm->getAlgorithmData());
}

OstraSingleClass::~OstraSingleClass()
{
    m_searchAlgorithm.reset();
}

void OstraSingleClass::setSearchAlgorithm(BaseAlgorithm::OstraSearchType n_type,
                                          QSharedPointer<BaseAlgorithmData> n_data)
{
    const unsigned kind = static_cast<unsigned>(n_type);
    if (kind == SEARCH_KEEP) {
        // Nothing to reload: refuse rather than call into a missing solver.
        if (m_searchAlgorithm.isNull())
            throw PointerIsNull(
                CLASS_NAME,
                QStringLiteral("setSearchAlgorithm(BaseAlgorithm::OstraSearchType n_type, "
                               "QSharedPointer<BaseAlgorithmData> n_data)"),
                QSharedPointer<ExceptionOstra>());
    } else if (kind == SEARCH_RUNTIME) {
        m_searchAlgorithm = QSharedPointer<RuntimeAlgorithm>::create(n_data);
    } else if (kind == SEARCH_REMOTE) {
        m_searchAlgorithm = QSharedPointer<RemoteAlgorithm>::create(n_data);
    } else {
        // 0, and every unknown kind, plans once and then runs.
        Q_UNUSED(SEARCH_STATIC);
        m_searchAlgorithm = QSharedPointer<StaticAlgorithm>::create(n_data);
    }
    m_searchAlgorithm->setData(*this);
}

void OstraSingleClass::setSearchAlgorithm(QSharedPointer<BaseAlgorithm> n_algorithm)
{
    if (n_algorithm.isNull())
        throw PointerIsNull(
            CLASS_NAME,
            QStringLiteral("setSearchAlgorithm(QSharedPointer<BaseAlgorithm> n_algorithm)"),
            QSharedPointer<ExceptionOstra>());
    n_algorithm->setData(*this);
    m_searchAlgorithm = n_algorithm;
}

QSharedPointer<BaseAlgorithm> OstraSingleClass::getSearchAlgorithm() const
{
    return m_searchAlgorithm;
}

OstraObjectType OstraSingleClass::getOstraObjectType() const
{
    return OBJECT_TYPE_CLASS;
}
