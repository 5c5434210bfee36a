#include "serialization/ObjectXmlSerializerOld.h"

#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NotEnoughDataExceptionOstra.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ObjectXmlSerializerOld");
const QChar LIST_SEPARATOR = QLatin1Char(',');
const QChar PAIR_SEPARATOR = QLatin1Char(';');
const QChar NAME_SEPARATOR = QLatin1Char(':');
} // namespace

ObjectXmlSerializerOld::ObjectXmlSerializerOld(const QString &n_tagName,
                                               const QDomDocument &n_document)
    : ObjectXMLSerializer(n_tagName, n_document)
{
}

ObjectXmlSerializerOld::~ObjectXmlSerializerOld()
{
}

QString ObjectXmlSerializerOld::pairAttributes(const QString &n_first,
                                               const QString &n_second) const
{
    // Empty pieces are kept: a missing id still occupies its variable's position.
    const QStringList first = m_domElement.attribute(n_first).split(LIST_SEPARATOR,
                                                                    Qt::KeepEmptyParts);
    const QStringList second = m_domElement.attribute(n_second).split(LIST_SEPARATOR,
                                                                      Qt::KeepEmptyParts);
    return convertLinkedObjectsHash(first, second);
}

QVariant ObjectXmlSerializerOld::getFieldValue(const QString &n_name) const
{
    if (n_name == ATTRIBUTE_NAME_INIT_ID) {
        const QStringList ids = m_domElement.attribute(ATTRIBUTE_NAME_INIT_ID)
                                    .split(LIST_SEPARATOR, Qt::KeepEmptyParts);
        return QVariant(convertLinkedObjectsHash(m_inputRelationNames, ids));
    }
    if (n_name == ATTRIBUTE_NAME_RESULT_ID) {
        const QStringList ids = m_domElement.attribute(ATTRIBUTE_NAME_RESULT_ID)
                                    .split(LIST_SEPARATOR, Qt::KeepEmptyParts);
        return QVariant(convertLinkedObjectsHash(m_outputRelationNames, ids));
    }
    if (n_name == ATTRIBUTE_NAME_IN_OBJECT)
        return QVariant(pairAttributes(ATTRIBUTE_NAME_IN_OBJECT, ATTRIBUTE_NAME_INPUT_TYPES));
    if (n_name == ATTRIBUTE_NAME_OUT_OBJECT)
        return QVariant(pairAttributes(ATTRIBUTE_NAME_OUT_OBJECT, ATTRIBUTE_NAME_OUTPUT_TYPES));
    return ObjectXMLSerializer::getFieldValue(n_name);
}

void ObjectXmlSerializerOld::appendRelationNames(QStringList &n_names, const QString &n_text,
                                                 const QString &n_methodName)
{
    const QStringList pairs = n_text.split(PAIR_SEPARATOR, Qt::KeepEmptyParts);
    for (const QString &pair : pairs) {
        const QStringList pieces = pair.split(NAME_SEPARATOR, Qt::KeepEmptyParts);
        if (pieces.size() < 2)
            throw NotEnoughDataExceptionOstra(2, 0, CLASS_NAME, n_methodName,
                                              QSharedPointer<ExceptionOstra>());
        n_names.append(pieces.first());
    }
}

void ObjectXmlSerializerOld::setInputRelationNames(const QString &n_inputRelationNames)
{
    appendRelationNames(
        m_inputRelationNames, n_inputRelationNames,
        QStringLiteral("setInputRelationNames(const QString &n_inputRelationNames)"));
}

void ObjectXmlSerializerOld::setOutputRelationNames(const QString &n_outputRelationNames)
{
    appendRelationNames(
        m_outputRelationNames, n_outputRelationNames,
        QStringLiteral("setOutputRelationNames(const QString &n_outputRelationNames)"));
}

QString ObjectXmlSerializerOld::convertLinkedObjectsHash(const QStringList &n_linkedNames,
                                                         const QStringList &n_linkedObjects)
{
    if (n_linkedNames.size() != n_linkedObjects.size())
        throw InconsistencyDataExceptionOstra(
            CLASS_NAME,
            QStringLiteral("convertLinkedObjectsHash(const QStringList &n_linkedNames, const "
                           "QStringList &n_linkedObjects)"),
            QSharedPointer<ExceptionOstra>());
    QString text;
    for (int i = 0; i < n_linkedNames.size(); ++i) {
        if (i > 0)
            text += PAIR_SEPARATOR;
        text += n_linkedNames.at(i) + NAME_SEPARATOR + n_linkedObjects.at(i);
    }
    return text;
}
