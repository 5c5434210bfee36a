#include "elements/ParameterVertexPtrConn.h"

#include "elements/ConstraintVertexPtrConn.h"
#include "elements/RuleVertexPtrConn.h"

ParameterVertexPtrConn::ParameterVertexPtrConn()
{
}

ParameterVertexPtrConn::ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                                               const QVariant &n_defaultValue)
    : ParameterVertexValue(n_id, n_type, n_defaultValue)
{
}

ParameterVertexPtrConn::ParameterVertexPtrConn(const QString &n_id, const QString &n_shortName,
                                               const QString &n_description,
                                               const QString &n_author, const QString &n_GUID,
                                               QVariant::Type n_type,
                                               const QVariant &n_defaultValue)
    : ParameterVertexValue(n_id, n_shortName, n_description, n_author, n_GUID, n_type,
                           n_defaultValue)
{
}

ParameterVertexPtrConn::ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                                               const QVariant &n_defaultValue,
                                               const QList<RuleSharedPtr> &n_inputRules,
                                               const QList<RuleSharedPtr> &n_outputRules)
    : ParameterVertexValue(n_id, n_type, n_defaultValue), IPtrLinkerInputEdges<RuleVertexPtrConn>(
                                                              n_inputRules),
      IPtrLinkerOutputEdges<RuleVertexPtrConn>(n_outputRules)
{
}

ParameterVertexPtrConn::ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                                               const QVariant &n_defaultValue,
                                               const QList<ConstraintSharedPtr> &n_constraints)
    : ParameterVertexValue(n_id, n_type, n_defaultValue),
      IPtrLinkerConstraintsEdges<ConstraintVertexPtrConn>(n_constraints)
{
}

ParameterVertexPtrConn::ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                                               const QVariant &n_defaultValue,
                                               const QList<RuleSharedPtr> &n_inputRules,
                                               const QList<RuleSharedPtr> &n_outputRules,
                                               const QList<ConstraintSharedPtr> &n_constraints)
    : ParameterVertexValue(n_id, n_type, n_defaultValue), IPtrLinkerInputEdges<RuleVertexPtrConn>(
                                                              n_inputRules),
      IPtrLinkerOutputEdges<RuleVertexPtrConn>(n_outputRules),
      IPtrLinkerConstraintsEdges<ConstraintVertexPtrConn>(n_constraints)
{
}

ParameterVertexPtrConn::ParameterVertexPtrConn(
    const QString &n_id, const QString &n_shortName, const QString &n_description,
    const QString &n_author, const QString &n_GUID, QVariant::Type n_type,
    const QVariant &n_defaultValue, const QList<RuleSharedPtr> &n_inputRules,
    const QList<RuleSharedPtr> &n_outputRules, const QList<ConstraintSharedPtr> &n_constraints)
    : ParameterVertexValue(n_id, n_shortName, n_description, n_author, n_GUID, n_type,
                           n_defaultValue),
      IPtrLinkerInputEdges<RuleVertexPtrConn>(n_inputRules),
      IPtrLinkerOutputEdges<RuleVertexPtrConn>(n_outputRules),
      IPtrLinkerConstraintsEdges<ConstraintVertexPtrConn>(n_constraints)
{
}

ParameterVertexPtrConn::ParameterVertexPtrConn(const ParameterVertexPtrConn &n_other)
    : ParameterVertexValue(n_other), IPtrLinkerInputEdges<RuleVertexPtrConn>(),
      IPtrLinkerOutputEdges<RuleVertexPtrConn>(),
      IPtrLinkerConstraintsEdges<ConstraintVertexPtrConn>(), IPtrBFSData<RuleVertexPtrConn>()
{
    m_explored = n_other.m_explored;
    m_required = n_other.m_required;
}

ParameterVertexPtrConn::ParameterVertexPtrConn(const ParameterVertex &n_vertex)
    : ParameterVertexValue(n_vertex)
{
}

ParameterVertexPtrConn::~ParameterVertexPtrConn()
{
}

void ParameterVertexPtrConn::reset()
{
    m_explored = false;
    m_BFSParent.clear();
    m_BFSRules.clear();
    resetValue();
    m_required = false;
}

void ParameterVertexPtrConn::setBFSParent(QSharedPointer<RuleVertexPtrConn> n_rule)
{
    if (n_rule.isNull())
        throw PointerIsNull(
            QStringLiteral("ParameterVertexPtrConn"),
            QStringLiteral("setBFSParent(QSharedPointer<RuleVertexPtrConn> n_rule)"),
            QSharedPointer<ExceptionOstra>());
    const BFSRulesSet rulePath = n_rule->m_BFSRules;
    if (!getBFSParent().isNull()) {
        // The rule's path lacks the rule itself while ours holds our parent, so a rule whose chain
        // is as long as the current one's still wins; the search relies on exactly this comparison.
        if (rulePath.size() >= m_BFSRules.size())
            return;
    } else if (m_explored) {
        return;
    }
    m_BFSParent = n_rule.toWeakRef();
    m_BFSRules = rulePath;
    m_BFSRules.insert(n_rule);
}
