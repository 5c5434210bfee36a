#ifndef OSTRASINGLECLASS_H
#define OSTRASINGLECLASS_H

#include <QSharedPointer>
#include <QString>

#include "errors/BaseOstraObj.h"
#include "solver/BaseAlgorithm.h"
#include "solver/BaseClassCommonData.h"

class BaseAlgorithmData;
class RelationsStorage;

// One class seen as a self-contained network (its stores, the model's relations storage and its
// identity) together with the solver that is run over that network.
class OstraSingleClass : public BaseClassCommonData, public BaseOstraObj
{
public:
    explicit OstraSingleClass(QSharedPointer<RelationsStorage> n_storage);
    explicit OstraSingleClass(const QString &n_id);
    OstraSingleClass(const QString &n_id, const QString &n_shortName, const QString &n_description,
                     const QString &n_author, const QString &n_GUID);
    // Identity and solver kind of the other class; its elements are not taken over.
    OstraSingleClass(const OstraSingleClass &n_other, QSharedPointer<RelationsStorage> n_storage);
    ~OstraSingleClass() override;

    void setSearchAlgorithm(BaseAlgorithm::OstraSearchType n_type,
                            QSharedPointer<BaseAlgorithmData> n_data);
    void setSearchAlgorithm(QSharedPointer<BaseAlgorithm> n_algorithm);
    QSharedPointer<BaseAlgorithm> getSearchAlgorithm() const;

    OstraObjectType getOstraObjectType() const override;

private:
    QSharedPointer<BaseAlgorithm> m_searchAlgorithm;
};

#endif // OSTRASINGLECLASS_H
