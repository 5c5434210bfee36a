#ifndef MODELPARTIALXMLSERIALIZER_H
#define MODELPARTIALXMLSERIALIZER_H

#include <QDomDocument>
#include <QFile>
#include <QList>

#include "serialization/ModelXMLSerializer.h"

// Model node that writes only chosen parts of a model to a file: the class tree with the unchosen
// lists cut out (hierarchy on), or the chosen lists gathered flat from every class (hierarchy off).
// Loading, fields, prototypes and saveToString are those of the model node; saveToString always
// gives the whole model. Writing changes the node's own document, so a node serves one save.
class ModelPartialXMLSerializer : public ModelXMLSerializer
{
public:
    // The parts of a model that can be written; PART_ALL writes the whole model, whatever else is
    // listed.
    enum serializerParts : int {
        PART_CLASSES = 0,
        PART_PARAMETERS = 1,
        PART_CONSTRAINTS = 2,
        PART_RULES = 3,
        PART_RELATIONS = 4,
        PART_ALL = 5
    };

    ModelPartialXMLSerializer();
    ~ModelPartialXMLSerializer() override;

    // Taken as given: no check, duplicates and order kept; values outside 0-5 add nothing.
    void setSaveFlags(const QList<serializerParts> &n_saveFlags);
    void useHierarchy(bool n_useHierarchy);

    void saveToFile(QFile &n_file) const override;

    // The document saveToFile writes. Flat output that would hold other than exactly one
    // top-level element is wrapped in one "model" element carrying the model's attributes but
    // no format version, so that it stays well-formed XML and is never taken for a full model.
    QDomDocument prepareDocument() const;
    void prepareDocumentWithHierarchy() const;

    void takeClasses(QDomDocument &n_document) const;
    void takeParameters(QDomDocument &n_document) const;
    void takeConstraints(QDomDocument &n_document) const;
    void takeRules(QDomDocument &n_document) const;
    void takeRelations(QDomDocument &n_document) const;

    void removeRules() const;
    void removeConstraints() const;
    void removeParameters() const;
    void removeRelations() const;

protected:
    QList<serializerParts> m_saveFlags;
    bool m_useHierarchy;

private:
    void removeAll(const QString &n_tagName) const;
    void takeItems(QDomDocument &n_document, const QString &n_listTag,
                   const QString &n_itemTag) const;
    void wrapTopLevel(QDomDocument &n_document) const;
};

#endif // MODELPARTIALXMLSERIALIZER_H
