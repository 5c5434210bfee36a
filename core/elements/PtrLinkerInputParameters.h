#ifndef PTRLINKERINPUTPARAMETERS_H
#define PTRLINKERINPUTPARAMETERS_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/PtrLinkerHash.h"

class ParameterVertexPtrConn;

// Input links of a rule or constraint: parameters keyed by the relation's input variable names.
// Pure forwarding to the link table, so errors carry the table's texts. Nothing here checks the
// relation or the value types; the vertex binding operations do that first.
class PtrLinkerInputParameters
{
public:
    PtrLinkerInputParameters();
    explicit PtrLinkerInputParameters(
        const QHash<QString, QSharedPointer<ParameterVertexPtrConn>> &n_inputParameters);
    virtual ~PtrLinkerInputParameters();

    QHash<QString, QString> getInputParametersIds() const;
    int countOfInputParameters() const;
    QHash<QString, QSharedPointer<ParameterVertexPtrConn>> getInputParametersHash() const;
    QString getLinkedNameOfInputeParameter(
        QSharedPointer<ParameterVertexPtrConn> n_parameter) const;
    bool containsInInputParameters(QSharedPointer<ParameterVertexPtrConn> n_parameter) const;
    void addInputParameter(const QString &n_linkedName,
                           QSharedPointer<ParameterVertexPtrConn> n_parameter);
    void deleteAllNullPointersInputParameters();
    void removeInputParameterConn(const QString &n_linkedName);
    void deleteInputParameterConn(const QString &n_linkedName);
    void replaceInputParameter(const QString &n_linkedName,
                               QSharedPointer<ParameterVertexPtrConn> n_parameter);
    bool canBeExplored() const;
    QSharedPointer<ParameterVertexPtrConn> getInputParameterConn(const QString &n_linkedName) const;
    // n_visit(parameter) for every input name in table order, null for an unbound one.
    template<class F>
    void forEachInputParameter(F n_visit) const
    {
        m_inputParameters.forEachLinkedObject(n_visit);
    }
    // n_visit(entry) with every input link itself, in table order, never made strong.
    template<class F>
    void forEachInputEntry(F n_visit) const
    {
        m_inputParameters.forEachLinkedEntry(n_visit);
    }

protected:
    PtrLinkerHash<ParameterVertexPtrConn> m_inputParameters;
};

#endif // PTRLINKERINPUTPARAMETERS_H
