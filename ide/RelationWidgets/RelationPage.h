#ifndef RELATIONPAGE_H
#define RELATIONPAGE_H

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

class QLayout;
class QSplitter;
class QTreeWidget;
class wParameterRelationGroups;

// What the body designer's pages share: the thesaurus tree beside the page's own fields, the
// tables of input and output variables, the body the dialog opened with and the verdict of the
// last analysis.
class RelationPage : public QWidget
{
    Q_OBJECT
public:
    void setTezarus(QHash<QString, QList<QString>> n_tezaurus);
    virtual void setInputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    virtual void setOutputParameters(QList<QString> n_names,
                                     QHash<QString, QVariant::Type> n_types);
    void setOldBody(const QString &n_text);
    QString getOldBody() const;
    bool verify() const;

    virtual QList<QString> getInputParams();
    virtual QList<QString> getOutputParams();
    virtual QHash<QString, QVariant::Type> getInputTypes();
    virtual QHash<QString, QVariant::Type> getOutputTypes();

protected:
    explicit RelationPage(QWidget *n_parent);

    static QString baseText(int n_offset);
    static QString ifText(int n_offset);
    static QString ideText(int n_offset);
    // The types the table holds now, one per row.
    static QHash<QString, QVariant::Type> tableTypes(wParameterRelationGroups *n_table);

    // A horizontal splitter holding the thesaurus tree, titled n_command and n_description.
    QSplitter *createTezaurusSplitter(const QString &n_command, const QString &n_description);
    // Puts n_right beside the tree and the splitter into the page's layout.
    void placeBesideTezaurus(QSplitter *n_splitter, QWidget *n_right, QLayout *n_layout);
    // Both tables, children of n_parent, captioned and marked unchanged.
    void createTables(QWidget *n_parent, const QString &n_inputCaption,
                      const QString &n_outputCaption, bool n_readOnly);
    // Refills the tables with these names, each keeping the type its table gives it now.
    void refillTables(const QList<QString> &n_inputNames, const QList<QString> &n_outputNames);
    bool tablesChanged() const;

    QTreeWidget *m_tezaurusTree = nullptr;
    wParameterRelationGroups *m_inputTable = nullptr;
    wParameterRelationGroups *m_outputTable = nullptr;
    QHash<QString, QList<QString>> m_tezaurus;
    QString m_oldBody;
    bool m_valid = false;
};

#endif // RELATIONPAGE_H
