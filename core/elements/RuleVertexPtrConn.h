#ifndef RULEVERTEXPTRCONN_H
#define RULEVERTEXPTRCONN_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/IPtrBFSData.h"
#include "elements/IPtrLinkerRelation.h"
#include "elements/ParameterVertexPtrConn.h"
#include "elements/PtrLinkerHash.h"
#include "elements/PtrLinkerInputParameters.h"
#include "elements/RuleVertex.h"

class RelationModel;

// A rule as a vertex of the class network: input and output parameters keyed by the relation's
// variable names, the relation it evaluates, and the data one search leaves on it. Binding checks
// the relation and the exact value type; nothing re-checks the bindings when the relation changes
// later (the integrity check does).
class RuleVertexPtrConn : public RuleVertex,
                          public PtrLinkerInputParameters,
                          public IPtrLinkerRelation<RelationModel>,
                          public IPtrBFSData<ParameterVertexPtrConn>
{
public:
    typedef QSharedPointer<ParameterVertexPtrConn> ParameterSharedPtr;

    RuleVertexPtrConn();
    explicit RuleVertexPtrConn(const QString &n_id);
    RuleVertexPtrConn(const QString &n_id, const QString &n_shortName, const QString &n_description,
                      const QString &n_author, const QString &n_GUID);
    // Link tables filled from the hashes, unchecked against any relation.
    RuleVertexPtrConn(const QString &n_id,
                      const QHash<QString, ParameterSharedPtr> &n_inputParameters,
                      const QHash<QString, ParameterSharedPtr> &n_outputParameters);
    RuleVertexPtrConn(const QString &n_id, const QString &n_shortName, const QString &n_description,
                      const QString &n_author, const QString &n_GUID,
                      const QHash<QString, ParameterSharedPtr> &n_inputParameters,
                      const QHash<QString, ParameterSharedPtr> &n_outputParameters);
    // Identity and the two search flags only: no links, no relation, no search parent, no path.
    RuleVertexPtrConn(const RuleVertexPtrConn &n_other);
    explicit RuleVertexPtrConn(const RuleVertex &n_vertex);
    ~RuleVertexPtrConn() override;

    // Clears the search data; links and relation stay.
    virtual void reset();
    // Unites the path rules of the bound inputs into this rule's and makes the parameter its
    // search parent. An unbound input has no path to give and is skipped.
    void setBFSParent(ParameterSharedPtr n_parameter) override;

    QHash<QString, QString> getOutputParametersIds() const;
    int countOfOutputParameters() const;
    QHash<QString, ParameterSharedPtr> getOutputParametersHash() const;
    // n_visit(parameter) for every output name in table order, null for an unbound one.
    template<class F>
    void forEachOutputParameter(F n_visit) const
    {
        m_outputParameters.forEachLinkedObject(n_visit);
    }
    // n_visit(entry) with every output link itself, in table order, never made strong.
    template<class F>
    void forEachOutputEntry(F n_visit) const
    {
        m_outputParameters.forEachLinkedEntry(n_visit);
    }
    QString getLinkedNameOfOutputeParameter(ParameterSharedPtr n_parameter) const;
    bool containsInOutputParameters(ParameterSharedPtr n_parameter) const;
    void deleteAllNullPointersOutputParameters();
    void removeOutputParameterConn(const QString &n_linkedName);
    void deleteOutputParameterConn(const QString &n_linkedName);
    ParameterSharedPtr getOutputParameterConn(const QString &n_linkedName) const;

    // Bind a parameter to a variable of the linked relation: the relation must be linked, declare
    // the variable, and declare exactly the parameter's value type.
    void addInputParameterConn(const QString &n_relationVarName,
                               ParameterSharedPtr n_inputParameter);
    void addOutputParameterConn(const QString &n_relationVarName,
                                ParameterSharedPtr n_outputParameter);
    // Rebind an existing variable name to another parameter that is not yet linked on that side.
    void replaceInputParameter(const QString &n_linkedName, ParameterSharedPtr n_parameter);
    void replaceOutputParameter(const QString &n_linkedName, ParameterSharedPtr n_parameter);

protected:
    PtrLinkerHash<ParameterVertexPtrConn> m_outputParameters;

private:
    RuleVertexPtrConn &operator=(const RuleVertexPtrConn &) = delete;
};

#endif // RULEVERTEXPTRCONN_H
