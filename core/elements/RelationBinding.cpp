#include "elements/RelationBinding.h"

#include "elements/ParameterVertexPtrConn.h"
#include "elements/PtrLinkerInputParameters.h"
#include "elements/RelationModel.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/NoRelation.h"
#include "errors/PointerIsNull.h"
#include "errors/ValuesTypesMismatchExceptionOstra.h"

namespace relationbinding {

void requireRelation(const QSharedPointer<RelationModel> &n_relation, const QString &n_className,
                     const QString &n_method)
{
    if (n_relation.isNull())
        throw PointerIsNull(n_className, n_method, QSharedPointer<ExceptionOstra>());
}

void checkVariable(const RelationModel &n_relation, Side n_side, const QString &n_variable,
                   const QSharedPointer<ParameterVertexPtrConn> &n_parameter,
                   const QString &n_className, const QString &n_method,
                   const QString &n_missingVariableMethod)
{
    const bool declared = n_side == INPUT ? n_relation.containInputParameter(n_variable)
                                          : n_relation.containOutputParameter(n_variable);
    if (!declared)
        throw NoElementExceptionOstra(n_variable, n_className, n_missingVariableMethod,
                                      QSharedPointer<ExceptionOstra>());
    if (n_parameter.isNull())
        throw PointerIsNull(n_className, n_method, QSharedPointer<ExceptionOstra>());
    const QVariant::Type variableType = n_side == INPUT
                                            ? n_relation.getInputParameterType(n_variable)
                                            : n_relation.getOutputParameterType(n_variable);
    if (variableType != n_parameter->getValueType())
        throw ValuesTypesMismatchExceptionOstra(n_parameter->getId(), n_parameter->getValueType(),
                                                variableType, n_className, n_method,
                                                QSharedPointer<ExceptionOstra>());
}

void checkVariable(const RelationModel &n_relation, Side n_side, const QString &n_variable,
                   const QSharedPointer<ParameterVertexPtrConn> &n_parameter,
                   const QString &n_className, const QString &n_method)
{
    checkVariable(n_relation, n_side, n_variable, n_parameter, n_className, n_method, n_method);
}

void addInputParameterConn(PtrLinkerInputParameters &n_inputs,
                           const QSharedPointer<RelationModel> &n_relation,
                           const QString &n_variable,
                           const QSharedPointer<ParameterVertexPtrConn> &n_parameter,
                           const QString &n_className)
{
    const QString method = QStringLiteral("addInputParameterConn(const QString &n_relationVarName, "
                                          "ParameterSharedPtr n_inputParameter)");
    requireRelation(n_relation, n_className, method);
    checkVariable(*n_relation, INPUT, n_variable, n_parameter, n_className, method);
    n_inputs.addInputParameter(n_variable, n_parameter);
}

void passInputValues(const QSharedPointer<RelationModel> &n_relation,
                     const PtrLinkerInputParameters &n_inputs, const QString &n_className)
{
    const QString method = QStringLiteral("initInputRelationValue()");
    if (n_relation.isNull())
        throw NoRelation(n_className, method, QSharedPointer<ExceptionOstra>());
    if (n_relation->getInputParametersNames().size() != n_inputs.countOfInputParameters())
        throw InconsistencyDataExceptionOstra(n_className, method,
                                              QSharedPointer<ExceptionOstra>());
    const QHash<QString, QSharedPointer<ParameterVertexPtrConn>> inputs =
        n_inputs.getInputParametersHash();
    // A name left over from an earlier variable can be unbound while the counts still agree; it
    // has no value to give, so refuse before anything is written.
    for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it)
        if (it.value().isNull())
            throw InconsistencyDataExceptionOstra(n_className, method,
                                                  QSharedPointer<ExceptionOstra>());
    for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it)
        n_relation->setInputParameterValue(it.key(), it.value()->getValue());
}

} // namespace relationbinding
