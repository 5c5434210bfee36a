#ifndef PARAMETERVERTEXPTRCONN_H
#define PARAMETERVERTEXPTRCONN_H

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QVariant>

#include "elements/IPtrBFSData.h"
#include "elements/IPtrLinkerConstraintsEdges.h"
#include "elements/IPtrLinkerInputEdges.h"
#include "elements/IPtrLinkerOutputEdges.h"
#include "elements/ParameterVertexValue.h"

class RuleVertexPtrConn;
class ConstraintVertexPtrConn;

// A parameter as a vertex of its class's network: the rules producing it, the rules reading it, the
// constraints reading it, and the data the solver leaves on it during one search. The class network
// keeps both ends of every edge in step; this class only keeps the parameter's side.
class ParameterVertexPtrConn : public ParameterVertexValue,
                               public IPtrLinkerInputEdges<RuleVertexPtrConn>,
                               public IPtrLinkerOutputEdges<RuleVertexPtrConn>,
                               public IPtrLinkerConstraintsEdges<ConstraintVertexPtrConn>,
                               public IPtrBFSData<RuleVertexPtrConn>
{
public:
    typedef QSharedPointer<RuleVertexPtrConn> RuleSharedPtr;
    typedef QSharedPointer<ConstraintVertexPtrConn> ConstraintSharedPtr;

    ParameterVertexPtrConn();
    ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                           const QVariant &n_defaultValue);
    ParameterVertexPtrConn(const QString &n_id, const QString &n_shortName,
                           const QString &n_description, const QString &n_author,
                           const QString &n_GUID, QVariant::Type n_type,
                           const QVariant &n_defaultValue);
    ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                           const QVariant &n_defaultValue, const QList<RuleSharedPtr> &n_inputRules,
                           const QList<RuleSharedPtr> &n_outputRules);
    ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                           const QVariant &n_defaultValue,
                           const QList<ConstraintSharedPtr> &n_constraints);
    ParameterVertexPtrConn(const QString &n_id, QVariant::Type n_type,
                           const QVariant &n_defaultValue, const QList<RuleSharedPtr> &n_inputRules,
                           const QList<RuleSharedPtr> &n_outputRules,
                           const QList<ConstraintSharedPtr> &n_constraints);
    ParameterVertexPtrConn(const QString &n_id, const QString &n_shortName,
                           const QString &n_description, const QString &n_author,
                           const QString &n_GUID, QVariant::Type n_type,
                           const QVariant &n_defaultValue, const QList<RuleSharedPtr> &n_inputRules,
                           const QList<RuleSharedPtr> &n_outputRules,
                           const QList<ConstraintSharedPtr> &n_constraints);
    // Identity, type, both values and both search flags; no edges, no search parent, no path.
    ParameterVertexPtrConn(const ParameterVertexPtrConn &n_other);
    // Identity and type only.
    explicit ParameterVertexPtrConn(const ParameterVertex &n_vertex);
    ~ParameterVertexPtrConn() override;

    // Clears the search data and the current value; type, default value and edges stay.
    virtual void reset();
    // Keeps the producing rule whose chain of needed rules is strictly the smallest seen so far; a
    // parameter explored before any rule reached it (a known one) never gets a parent.
    void setBFSParent(QSharedPointer<RuleVertexPtrConn> n_rule) override;

private:
    ParameterVertexPtrConn &operator=(const ParameterVertexPtrConn &) = delete;
};

// The edge lists reach into the rules and constraints they hold (ids, explored flags), so both
// vertex kinds must be complete wherever a parameter is built or destroyed. Included after the
// class because each of them includes this header.
#include "elements/ConstraintVertexPtrConn.h"
#include "elements/RuleVertexPtrConn.h"

#endif // PARAMETERVERTEXPTRCONN_H
