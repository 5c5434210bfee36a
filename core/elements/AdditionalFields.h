#ifndef ADDITIONALFIELDS_H
#define ADDITIONALFIELDS_H

#include <QHash>
#include <QString>
#include <QVariant>

// Attributes of a stored element that its kind does not know, kept on load and written back on
// save so that they survive a round trip. Add only creates, set only replaces, delete only removes;
// each breach throws and leaves the fields as they were.
class AdditionalFields
{
public:
    AdditionalFields();
    AdditionalFields(const AdditionalFields &n_other);
    AdditionalFields &operator=(const AdditionalFields &n_other);
    ~AdditionalFields();

    // Throws NoElementExceptionOstra for an absent name.
    QVariant getAdditionalField(const QString &n_name) const;
    QHash<QString, QVariant> getAdditionalFields() const;
    bool containAdditionalField(const QString &n_name) const;

    // One add per entry; the first present name throws and the entries added before it stay.
    void addAdditionalFields(const QHash<QString, QVariant> &n_fields);
    // Throws ElementAlreadyExistExceptionOstra for a present name.
    void addAdditionalField(const QString &n_additionalFieldName, const QVariant &n_value);
    // Throws NoElementExceptionOstra for an absent name.
    void setAdditionalFieldValue(const QString &n_allowedField, const QVariant &n_value);
    // Throws NoElementExceptionOstra for an absent name.
    void deleteAdditionalField(const QString &n_allowedField);
    void clearAdditionalFields();

private:
    void deleteFromHash(const QString &n_allowedField);

    QHash<QString, QVariant> m_additionalFields;
};

#endif // ADDITIONALFIELDS_H
