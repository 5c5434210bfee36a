#include "RelationWidgets/RelationPage.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "PrimitiveWidgets/PasteLimit.h"
#include "RelationWidgets/TezaurusTree.h"
#include "RelationWidgets/wParameterRelationGroups.h"

#include <QLayout>
#include <QSplitter>
#include <QTreeWidget>

RelationPage::RelationPage(QWidget *n_parent) : QWidget(n_parent)
{
    // The bodies' fields are where long texts get pasted.
    PasteLimit::install();
}

QString RelationPage::baseText(int n_offset)
{
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    return language.getTextById(language.getBaseInterfaceBeginKey() + n_offset);
}

QString RelationPage::ifText(int n_offset)
{
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    return language.getTextById(language.getConditionalRelationBeginKey() + n_offset);
}

QString RelationPage::ideText(int n_offset)
{
    ErrorDictionary &dictionary = ErrorDictionary::Instance();
    return dictionary.getErrorById(dictionary.getOstraIDEBeginKey() + n_offset);
}

QHash<QString, QVariant::Type> RelationPage::tableTypes(wParameterRelationGroups *n_table)
{
    n_table->getParams();
    return n_table->getTypes();
}

QSplitter *RelationPage::createTezaurusSplitter(const QString &n_command,
                                                const QString &n_description)
{
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    m_tezaurusTree = TezaurusTree::create(splitter, n_command, n_description);
    return splitter;
}

void RelationPage::placeBesideTezaurus(QSplitter *n_splitter, QWidget *n_right, QLayout *n_layout)
{
    n_splitter->addWidget(m_tezaurusTree);
    n_splitter->addWidget(n_right);
    n_splitter->setStretchFactor(0, 2);
    n_splitter->setStretchFactor(1, 3);
    n_layout->addWidget(n_splitter);
}

void RelationPage::createTables(QWidget *n_parent, const QString &n_inputCaption,
                                const QString &n_outputCaption, bool n_readOnly)
{
    m_inputTable = new wParameterRelationGroups(n_parent);
    m_inputTable->setObjectName(QStringLiteral("inputTable"));
    m_outputTable = new wParameterRelationGroups(n_parent);
    m_outputTable->setObjectName(QStringLiteral("outputTable"));
    m_inputTable->setLable(n_inputCaption);
    m_outputTable->setLable(n_outputCaption);
    for (wParameterRelationGroups *table : {m_inputTable, m_outputTable}) {
        if (n_readOnly)
            table->setReadOnlyLineEdit(true);
        table->setIsChanged(false);
    }
}

void RelationPage::refillTables(const QList<QString> &n_inputNames,
                                const QList<QString> &n_outputNames)
{
    const QHash<QString, QVariant::Type> inputTypes = tableTypes(m_inputTable);
    const QHash<QString, QVariant::Type> outputTypes = tableTypes(m_outputTable);
    m_inputTable->setParams(n_inputNames, inputTypes);
    m_outputTable->setParams(n_outputNames, outputTypes);
}

bool RelationPage::tablesChanged() const
{
    return m_inputTable->getIsChanged() || m_outputTable->getIsChanged();
}

void RelationPage::setTezarus(QHash<QString, QList<QString>> n_tezaurus)
{
    m_tezaurus = n_tezaurus;
    TezaurusTree::fill(m_tezaurusTree, m_tezaurus);
}

void RelationPage::setInputParameters(QList<QString> n_names,
                                      QHash<QString, QVariant::Type> n_types)
{
    m_inputTable->setParams(n_names, n_types);
    m_inputTable->setIsChanged(false);
    m_valid = true;
}

void RelationPage::setOutputParameters(QList<QString> n_names,
                                       QHash<QString, QVariant::Type> n_types)
{
    m_outputTable->setParams(n_names, n_types);
    m_outputTable->setIsChanged(false);
    m_valid = true;
}

void RelationPage::setOldBody(const QString &n_text)
{
    m_oldBody = n_text;
}

QString RelationPage::getOldBody() const
{
    return m_oldBody;
}

bool RelationPage::verify() const
{
    return m_valid;
}

QList<QString> RelationPage::getInputParams()
{
    return m_inputTable->getParams();
}

QList<QString> RelationPage::getOutputParams()
{
    return m_outputTable->getParams();
}

QHash<QString, QVariant::Type> RelationPage::getInputTypes()
{
    return m_inputTable->getTypes();
}

QHash<QString, QVariant::Type> RelationPage::getOutputTypes()
{
    return m_outputTable->getTypes();
}
