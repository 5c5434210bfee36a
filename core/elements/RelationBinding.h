#ifndef RELATIONBINDING_H
#define RELATIONBINDING_H

#include <QSharedPointer>
#include <QString>

class ParameterVertexPtrConn;
class PtrLinkerInputParameters;
class RelationModel;

// Steps that rules and constraints share when they bind parameters to the variables of their
// relation and hand values to it. Each caller passes its own class name and method texts, which the
// exceptions carry unchanged.
namespace relationbinding {

enum Side { INPUT, OUTPUT };

// A binding edit needs the linked relation: PointerIsNull when there is none.
void requireRelation(const QSharedPointer<RelationModel> &n_relation, const QString &n_className,
                     const QString &n_method);

// The relation must declare the variable on that side (NoElementExceptionOstra, with
// n_missingVariableMethod as the method text), the parameter must not be null (PointerIsNull) and
// must have exactly the variable's type (ValuesTypesMismatchExceptionOstra).
void checkVariable(const RelationModel &n_relation, Side n_side, const QString &n_variable,
                   const QSharedPointer<ParameterVertexPtrConn> &n_parameter,
                   const QString &n_className, const QString &n_method,
                   const QString &n_missingVariableMethod);
void checkVariable(const RelationModel &n_relation, Side n_side, const QString &n_variable,
                   const QSharedPointer<ParameterVertexPtrConn> &n_parameter,
                   const QString &n_className, const QString &n_method);

// The one way rules and constraints bind a parameter to an input variable: the relation must be
// linked, then checkVariable, all with the method text "addInputParameterConn(...)".
void addInputParameterConn(PtrLinkerInputParameters &n_inputs,
                           const QSharedPointer<RelationModel> &n_relation,
                           const QString &n_variable,
                           const QSharedPointer<ParameterVertexPtrConn> &n_parameter,
                           const QString &n_className);

// Gives every bound input's value to the relation's variable of the same name, as the method
// "initInputRelationValue()". NoRelation without a relation; InconsistencyDataExceptionOstra when
// the relation declares another number of inputs or a name is unbound, before anything is written.
void passInputValues(const QSharedPointer<RelationModel> &n_relation,
                     const PtrLinkerInputParameters &n_inputs, const QString &n_className);

} // namespace relationbinding

#endif // RELATIONBINDING_H
