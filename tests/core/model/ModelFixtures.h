#ifndef MODELFIXTURES_H
#define MODELFIXTURES_H

// Small builders shared by the model tests: classes, parameters, relations, rules and
// constraints made in code, a helper that catches one exception type for inspection, and an
// order-free form of a saved document.

#include <QDomDocument>
#include <QDomElement>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <type_traits>

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/Exceptions.h"
#include "model/OstraClass.h"

typedef OstraClass::OstraClassPtr ClassPtr;
typedef ParameterModel::ParameterModelPtr ParamPtr;
typedef RuleModel::RuleModelPtr RulePtr;
typedef ConstraintModel::ConstraintModelPtr ConstrPtr;
typedef RelationModel::RelationModelPtr RelPtr;

inline ClassPtr makeClass(const QString &n_id, const QSharedPointer<RelationsStorage> &n_storage,
                          const QString &n_shortName = QString())
{
    const ClassPtr cls = QSharedPointer<OstraClass>::create(n_id, n_storage);
    cls->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    return cls;
}

inline ParamPtr makeParameter(const QString &n_id, const QString &n_shortName = QString(),
                              QVariant::Type n_type = QVariant::Double)
{
    const ParamPtr parameter = QSharedPointer<ParameterModel>::create();
    parameter->setId(n_id);
    parameter->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    parameter->setValueType(n_type);
    return parameter;
}

// A relation with double inputs and outputs; a constraint relation has inputs only.
inline RelPtr makeRelation(const QSharedPointer<RelationsStorage> &n_storage, const QString &n_id,
                           const QStringList &n_inputs, const QStringList &n_outputs, const QString &n_code,
                           const QString &n_shortName = QString(),
                           RelationModel::RelationType n_type = RelationModel::RELATION_SIMPLE)
{
    const RelPtr relation = QSharedPointer<RelationModel>::create(n_id, n_code, nullptr);
    relation->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    relation->setRelationType(n_type);
    for (const QString &input : n_inputs)
        relation->addInputParameterType(input, QVariant::Double);
    for (const QString &output : n_outputs)
        relation->addOutputParameterType(output, QVariant::Double);
    n_storage->addRelationPtr(relation);
    return relation;
}

inline RulePtr makeRule(const QString &n_id, const QString &n_shortName = QString())
{
    const RulePtr rule = QSharedPointer<RuleModel>::create();
    rule->setId(n_id);
    rule->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    return rule;
}

inline ConstrPtr makeConstraint(const QString &n_id, const QString &n_shortName = QString())
{
    const ConstrPtr constraint = QSharedPointer<ConstraintModel>::create();
    constraint->setId(n_id);
    constraint->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    return constraint;
}

// Places a rule in a class and binds it: relation, then inputs (name, parameter id), then outputs.
inline RulePtr placeRule(const ClassPtr &n_class, const QString &n_id, const QString &n_relationId,
                         const QList<QPair<QString, QString>> &n_inputs,
                         const QList<QPair<QString, QString>> &n_outputs, const QString &n_shortName = QString())
{
    const RulePtr rule = makeRule(n_id, n_shortName);
    n_class->addRule(rule);
    n_class->addEdge(n_id, n_relationId, QString());
    for (const auto &input : n_inputs)
        n_class->addEdge(input.second, n_id, input.first);
    for (const auto &output : n_outputs)
        n_class->addEdge(n_id, output.second, output.first);
    return rule;
}

inline ConstrPtr placeConstraint(const ClassPtr &n_class, const QString &n_id, const QString &n_relationId,
                                 const QList<QPair<QString, QString>> &n_inputs,
                                 const QString &n_shortName = QString())
{
    const ConstrPtr constraint = makeConstraint(n_id, n_shortName);
    n_class->addConstraint(constraint);
    n_class->addEdge(n_id, n_relationId, QString());
    for (const auto &input : n_inputs)
        n_class->addEdge(input.second, n_id, input.first);
    return constraint;
}

// Runs the callable and returns the exception of type E it threw; fails the test otherwise.
template<class E, class F>
QSharedPointer<E> catchAs(F n_call)
{
    try {
        n_call();
    } catch (const ExceptionOstra &exception) {
        if constexpr (std::is_same_v<E, ExceptionOstra>) {
            return QSharedPointer<E>::create(exception);
        } else {
            if (const E *wanted = dynamic_cast<const E *>(&exception))
                return QSharedPointer<E>::create(*wanted);
            qWarning("unexpected exception: %s", qPrintable(exception.toString(false)));
            return QSharedPointer<E>();
        }
    }
    qWarning("no exception thrown");
    return QSharedPointer<E>();
}

template<class T>
QSet<QString> idsOf(const QHash<QString, QSharedPointer<T>> &n_hash)
{
    QSet<QString> ids;
    for (auto it = n_hash.constBegin(); it != n_hash.constEnd(); ++it)
        ids.insert(it.key());
    return ids;
}

inline QSet<QString> idSet(const QStringList &n_ids)
{
    return QSet<QString>(n_ids.begin(), n_ids.end());
}

// Order-free form of an element: attributes and children are compared as sets (as multisets,
// in fact: equal children are all kept), text is trimmed. The "name:id;..." links of rules and
// constraints and the "name:type;..." variables of relations are sets too: their order follows
// the hashes they are kept in.
inline QString canonical(const QDomElement &n_element)
{
    static const QStringList nameLists{QStringLiteral("initId"), QStringLiteral("resultId"), QStringLiteral("inObj"),
                                       QStringLiteral("outObj")};
    QStringList attributes;
    const QDomNamedNodeMap map = n_element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        QString value = map.item(i).nodeValue();
        if (nameLists.contains(map.item(i).nodeName())) {
            QStringList items = value.split(QLatin1Char(';'));
            items.sort();
            value = items.join(QLatin1Char(';'));
        }
        attributes.append(map.item(i).nodeName() + QLatin1Char('=') + value);
    }
    attributes.sort();
    QStringList children;
    QString text;
    for (QDomNode node = n_element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isElement())
            children.append(canonical(node.toElement()));
        else if (node.isText())
            text += node.nodeValue().trimmed();
    }
    children.sort();
    return n_element.tagName() + QLatin1Char('[') + attributes.join(QLatin1Char(',')) + QLatin1Char(']') + text
           + QLatin1Char('{') + children.join(QLatin1Char(';')) + QLatin1Char('}');
}

inline QString canonical(const QString &n_text)
{
    QDomDocument document;
    if (!document.setContent(n_text))
        return QString();
    return canonical(document.documentElement());
}

#endif // MODELFIXTURES_H
