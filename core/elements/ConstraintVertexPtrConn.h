#ifndef CONSTRAINTVERTEXPTRCONN_H
#define CONSTRAINTVERTEXPTRCONN_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/ConstraintVertex.h"
#include "elements/IPtrLinkerRelation.h"
#include "elements/ParameterVertexPtrConn.h"
#include "elements/PtrLinkerInputParameters.h"

class RelationModel;

// A constraint as a vertex of the class network: input parameters keyed by the relation's input
// variable names, the constraint relation, and its own Boolean result parameter "FLAG", which no
// other object shares and which lives exactly as long as the constraint.
class ConstraintVertexPtrConn : public ConstraintVertex,
                                public PtrLinkerInputParameters,
                                public IPtrLinkerRelation<RelationModel>
{
public:
    typedef QSharedPointer<ParameterVertexPtrConn> ParameterSharedPtr;

    inline static const QString RESULT_PARAMETER_ID = QStringLiteral("FLAG");

    ConstraintVertexPtrConn();
    explicit ConstraintVertexPtrConn(const QString &n_id);
    ConstraintVertexPtrConn(const QString &n_id, const QString &n_shortName,
                            const QString &n_description, const QString &n_author,
                            const QString &n_GUID);
    ConstraintVertexPtrConn(const QString &n_id,
                            const QHash<QString, ParameterSharedPtr> &n_inputParameters);
    ConstraintVertexPtrConn(const QString &n_id, const QString &n_shortName,
                            const QString &n_description, const QString &n_author,
                            const QString &n_GUID,
                            const QHash<QString, ParameterSharedPtr> &n_inputParameters);
    // Identity only, with a result parameter of its own.
    ConstraintVertexPtrConn(const ConstraintVertexPtrConn &n_other);
    explicit ConstraintVertexPtrConn(const ConstraintVertex &n_vertex);
    ~ConstraintVertexPtrConn() override;

    // Nothing to clear at this layer: no search data, and the result keeps its value.
    virtual void reset();

    // The parameter holding the last result.
    ParameterSharedPtr getResultParameter() const;

    // Bind a parameter to an input variable of the linked relation: the relation must be linked,
    // declare the variable, and declare exactly the parameter's value type.
    void addInputParameterConn(const QString &n_relationVarName,
                               ParameterSharedPtr n_inputParameter);
    void replaceInputParameter(const QString &n_linkedName, ParameterSharedPtr n_parameter);

protected:
    ParameterSharedPtr m_resultParameter;

private:
    ConstraintVertexPtrConn &operator=(const ConstraintVertexPtrConn &) = delete;
    static ParameterSharedPtr createResultParameter();
};

#endif // CONSTRAINTVERTEXPTRCONN_H
