#include <QtTest>

#include "XmlTestSupport.h"

#include <QDomDocument>

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/PtrLinkerHash.h"
#include "elements/RuleModel.h"
#include "errors/Exceptions.h"
#include "serialization/ObjectXMLSerializer.h"

// The parameter's side of the class network (edge lists, search data), its stored form and its
// owned layer, and the link table that rules and constraints key by relation variable name.
class tst_ParameterLinks : public QObject
{
    Q_OBJECT

private:
    typedef QSharedPointer<RuleVertexPtrConn> RulePtr;

    static QSharedPointer<ParameterModel> makeParameter(const QString &n_id,
                                                        QVariant::Type n_type = QVariant::Double,
                                                        const QVariant &n_default = QVariant())
    {
        return QSharedPointer<ParameterModel>::create(n_id, n_type, n_default,
                                                      QSharedPointer<OstraClass>());
    }
    static RulePtr makeRule(const QString &n_id)
    {
        return QSharedPointer<RuleModel>::create(n_id, QSharedPointer<OstraClass>());
    }
    static int inCount(const ParameterVertexPtrConn &n_parameter)
    {
        return n_parameter.getAdjacentInVerticesConvert<RuleVertexPtrConn>().size();
    }

private slots:
    void producingRulesAreListedOnceAndRemovedInEveryForm();
    void consumingRulesAreListedPerBindingAndExpireInPlace();
    void edgeOperationsRefuseBadArgumentsWithExactTexts();
    void linkedConstraintsAndTypedViews();
    void canBeExploredNeedsOneLiveExploredProducer();
    void searchParentKeepsTheStrictlyShortestChain();
    void resetAndCopyKeepWhatTheyMust();
    void storedFormLoadsAndSavesTheAttributeSet();
    void storedFormRefusesWhatItCannotWrite();
    void valueTextsFollowTheDeclaredType();
    void ownerOperationsRefuseMissingOwners();
    void linkTableKeepsUnboundNames();
    void linkTableRefusesDoubleBindingsAndUnboundWalks();
};

void tst_ParameterLinks::producingRulesAreListedOnceAndRemovedInEveryForm()
{
    const auto parameter = makeParameter(QStringLiteral("P"));
    const RulePtr r1 = makeRule(QStringLiteral("R1"));
    const RulePtr r2 = makeRule(QStringLiteral("R2"));
    parameter->addAdjacentInVertex(r1);
    parameter->addAdjacentInVertex(r1);
    parameter->addAdjacentInVertex(r2);
    QCOMPARE(inCount(*parameter), 2);

    // By index the entry is emptied in place; only the clean-up shortens the list.
    parameter->removeAdjacentInVertex(0);
    QList<RulePtr> entries = parameter->getAdjacentInVerticesConvert<RuleVertexPtrConn>();
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries.at(0).isNull());
    QCOMPARE(entries.at(1), r2);
    parameter->deleteNullAdjacentInVertices();
    QCOMPARE(inCount(*parameter), 1);

    // Delete by id empties, remove by id erases.
    parameter->addAdjacentInVertex(r1);
    parameter->deleteAdjacentInVertex(QStringLiteral("R2"));
    entries = parameter->getAdjacentInVerticesConvert<RuleVertexPtrConn>();
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries.at(0).isNull());
    parameter->removeAdjacentInVertex(QStringLiteral("R1"));
    QCOMPARE(inCount(*parameter), 1);

    // Delete by pointer empties, delete by index erases.
    parameter->addAdjacentInVertex(r2);
    parameter->deleteAdjacentInVertex(r2);
    parameter->deleteAdjacentInVertex(0);
    QCOMPARE(inCount(*parameter), 1);
    parameter->removeAdjacentInVertex(0);
    parameter->deleteNullAdjacentInVertices();
    QCOMPARE(inCount(*parameter), 0);
}

void tst_ParameterLinks::consumingRulesAreListedPerBindingAndExpireInPlace()
{
    const auto parameter = makeParameter(QStringLiteral("P"));
    RulePtr r1 = makeRule(QStringLiteral("R1"));
    const RulePtr r2 = makeRule(QStringLiteral("R2"));
    parameter->addAdjacentOutVertex(r1);
    parameter->addAdjacentOutVertex(r2);
    parameter->addAdjacentOutVertex(r1);
    QCOMPARE(parameter->getAdjacentOutVerticesCount(), 3);

    // One unbinding erases one entry, the first.
    parameter->removeAdjacentOutVertex(r1);
    QCOMPARE(parameter->getAdjacentOutVerticesIds(),
             QList<QString>({QStringLiteral("R2"), QStringLiteral("R1")}));

    // A destroyed rule leaves its entry expired: counted, null, without an id, and no clean-up
    // or id lookup reaches it.
    r1.reset();
    QCOMPARE(parameter->getAdjacentOutVerticesCount(), 2);
    QVERIFY(parameter->getAdjacentOutVertices().at(1).isNull());
    QCOMPARE(parameter->getAdjacentOutVerticesIds(), QList<QString>({QStringLiteral("R2")}));
    parameter->deleteNullAdjacentOutVertices();
    QCOMPARE(parameter->getAdjacentOutVerticesCount(), 2);
    QVERIFY_EXCEPTION_THROWN(parameter->deleteAdjacentOutVertex(QStringLiteral("R1")),
                             NoElementExceptionOstra);

    // The same holds on the producing side.
    RulePtr r3 = makeRule(QStringLiteral("R3"));
    parameter->addAdjacentInVertex(r3);
    r3.reset();
    QVERIFY_EXCEPTION_THROWN(parameter->deleteAdjacentInVertex(QStringLiteral("R3")),
                             NoElementExceptionOstra);
    parameter->deleteNullAdjacentInVertices();
    QCOMPARE(inCount(*parameter), 1);
}

void tst_ParameterLinks::edgeOperationsRefuseBadArgumentsWithExactTexts()
{
    const auto parameter = makeParameter(QStringLiteral("P"));
    const RulePtr r1 = makeRule(QStringLiteral("R1"));
    const RulePtr absent = makeRule(QStringLiteral("R9"));
    parameter->addAdjacentInVertex(r1);
    parameter->addAdjacentOutVertex(r1);

    struct Case
    {
        std::function<void()> call;
        int id;
        QString className;
        QString methodName;
        QString desiredId;
    };
    const QString in = QStringLiteral("IPtrLinkerInputEdges");
    const QString out = QStringLiteral("IPtrLinkerOutputEdges");
    const QList<Case> cases = {
        {[&] { parameter->removeAdjacentInVertex(RulePtr()); }, 526, in,
         QStringLiteral("removeAdjacentInVertex( ObjectTemplateSharedPtr n_adjacentInVertex)"),
         QString()},
        {[&] { parameter->removeAdjacentInVertex(absent); }, 511, in,
         QStringLiteral("removeAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)"),
         QStringLiteral("R9")},
        {[&] { parameter->removeAdjacentInVertex(-1); }, 526, in,
         QStringLiteral("removeAdjacentInVertex(const int index"), QString()},
        {[&] { parameter->deleteAdjacentInVertex(1); }, 526, in,
         QStringLiteral("deleteAdjacentInVertex(const int index)"), QString()},
        {[&] { parameter->deleteAdjacentInVertex(absent); }, 511, in,
         QStringLiteral("deleteAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)"),
         QStringLiteral("R9")},
        {[&] { parameter->removeAdjacentInVertex(QStringLiteral("X")); }, 511, in,
         QStringLiteral("removeAdjacentInVertex(const QString& n_adjacentInVertexId)"),
         QStringLiteral("X")},
        {[&] { parameter->removeAdjacentOutVertex(RulePtr()); }, 526, out,
         QStringLiteral("removeAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)"),
         QString()},
        {[&] { parameter->removeAdjacentOutVertex(1); }, 526, out,
         QStringLiteral("removeAdjacentOutVertex(const int index"), QString()},
        {[&] { parameter->deleteAdjacentOutVertex(-1); }, 526, out,
         QStringLiteral("deleteAdjacentOutVertex(const int index)"), QString()},
        {[&] { parameter->deleteAdjacentOutVertex(absent); }, 511, out,
         QStringLiteral("deleteAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)"),
         QStringLiteral("R9")},
        {[&] { parameter->deleteAdjacentOutVertex(QStringLiteral("X")); }, 511, out,
         QStringLiteral("deleteAdjacentOutVertex(const QString& n_adjacentOutVertexId)"),
         QStringLiteral("X")},
    };
    for (const Case &c : cases) {
        try {
            c.call();
            QFAIL(qPrintable(QStringLiteral("no exception from ") + c.methodName));
        } catch (const ExceptionOstra &e) {
            QCOMPARE(e.getExceptionId(), c.id);
            QCOMPARE(e.getClassName(), c.className);
            QCOMPARE(e.getMethodName(), c.methodName);
            QVERIFY(e.getParentException().isNull());
            if (c.id == 511)
                QCOMPARE(static_cast<const NoElementExceptionOstra &>(e).getDesiredId(),
                         c.desiredId);
        }
    }
    // A failed operation leaves both lists as they were.
    QCOMPARE(parameter->getAdjacentInVerticesConvert<RuleVertexPtrConn>(), QList<RulePtr>({r1}));
    QCOMPARE(parameter->getAdjacentOutVertices(), QList<RulePtr>({r1}));
}

void tst_ParameterLinks::linkedConstraintsAndTypedViews()
{
    const auto parameter = makeParameter(QStringLiteral("P"));
    auto c1 = QSharedPointer<ConstraintModel>::create(QStringLiteral("C1"),
                                                      QSharedPointer<OstraClass>());
    const auto c2 = QSharedPointer<ConstraintModel>::create(QStringLiteral("C2"),
                                                            QSharedPointer<OstraClass>());
    parameter->addLinkedConstraint(c1);
    parameter->addLinkedConstraint(c1);
    parameter->addLinkedConstraint(c2);
    parameter->deleteLinkedConstraint(QSharedPointer<ConstraintModel>::create(
        QStringLiteral("C9"), QSharedPointer<OstraClass>()));
    QCOMPARE(parameter->getConstraints(), QList<QSharedPointer<ConstraintModel>>({c1, c2}));
    c1.reset();
    QCOMPARE(parameter->getLinkedConstraints().size(), 2);
    QVERIFY(parameter->getLinkedConstraints().at(0).isNull());
    parameter->deleteLinkedConstraint(c2);
    QCOMPARE(parameter->getConstraints().size(), 1);

    const auto rule = QSharedPointer<RuleModel>::create(QStringLiteral("R1"),
                                                        QSharedPointer<OstraClass>());
    parameter->addAdjacentInVertex(rule);
    parameter->addAdjacentOutVertex(rule);
    parameter->addAdjacentOutVertex(rule);
    QCOMPARE(parameter->getInputRules(), QList<QSharedPointer<RuleModel>>({rule}));
    QCOMPARE(parameter->getOutputRules(), QList<QSharedPointer<RuleModel>>({rule, rule}));
}

void tst_ParameterLinks::canBeExploredNeedsOneLiveExploredProducer()
{
    const auto parameter = makeParameter(QStringLiteral("P"));
    QVERIFY(!parameter->canBeExplored());
    RulePtr r1 = makeRule(QStringLiteral("R1"));
    const RulePtr r2 = makeRule(QStringLiteral("R2"));
    parameter->addAdjacentInVertex(r1);
    parameter->addAdjacentInVertex(r2);
    QVERIFY(!parameter->canBeExplored());
    r1->m_explored = true;
    QVERIFY(parameter->canBeExplored());
    r1.reset();
    QVERIFY(!parameter->canBeExplored());
    r2->m_explored = true;
    QVERIFY(parameter->canBeExplored());
}

void tst_ParameterLinks::searchParentKeepsTheStrictlyShortestChain()
{
    const RulePtr r0 = makeRule(QStringLiteral("R0"));
    const RulePtr r1 = makeRule(QStringLiteral("R1"));
    const RulePtr r2 = makeRule(QStringLiteral("R2"));
    const RulePtr longer = makeRule(QStringLiteral("R3"));
    longer->m_BFSRules = {r0, r1};

    // A known parameter is explored before any rule reaches it and never gets a parent.
    const auto known = makeParameter(QStringLiteral("K"));
    known->m_explored = true;
    known->setBFSParent(r1);
    QVERIFY(known->getBFSParent().isNull());
    QVERIFY(known->m_BFSRules.isEmpty());

    // The first rule always becomes the parent; its path is the rule's path plus the rule.
    const auto parameter = makeParameter(QStringLiteral("P"));
    parameter->setBFSParent(longer);
    QCOMPARE(parameter->getBFSParent(), longer);
    QCOMPARE(parameter->m_BFSRules, IPtrBFSData<RuleVertexPtrConn>::BFSRulesSet({r0, r1, longer}));

    // A rule whose own path is as large as the parameter's path does not replace the parent.
    const RulePtr same = makeRule(QStringLiteral("R4"));
    same->m_BFSRules = {r0, r1, r2};
    parameter->setBFSParent(same);
    QCOMPARE(parameter->getBFSParent(), longer);

    // Of two rules fed only by known parameters (empty paths), the second replaces the first: its
    // path lacks the rule itself and so compares as shorter than the parameter's.
    const auto produced = makeParameter(QStringLiteral("Q"));
    produced->setBFSParent(r1);
    produced->m_explored = true;
    produced->setBFSParent(r2);
    QCOMPARE(produced->getBFSParent(), r2);
    QCOMPARE(produced->m_BFSRules, IPtrBFSData<RuleVertexPtrConn>::BFSRulesSet({r2}));

    QVERIFY_EXCEPTION_THROWN(parameter->setBFSParent(RulePtr()), PointerIsNull);
}

void tst_ParameterLinks::resetAndCopyKeepWhatTheyMust()
{
    const auto parameter = QSharedPointer<ParameterModel>::create(
        QStringLiteral("P"), QStringLiteral("p"), QStringLiteral("d"), QStringLiteral("a"),
        QStringLiteral("g"), QVariant::Double, QVariant(1.5), QList<RulePtr>(), QList<RulePtr>(),
        QList<QSharedPointer<ConstraintVertexPtrConn>>(), QSharedPointer<OstraClass>());
    const RulePtr rule = makeRule(QStringLiteral("R1"));
    parameter->addAdjacentInVertex(rule);
    parameter->addAdjacentOutVertex(rule);
    parameter->addAdditionalField(QStringLiteral("unit"), QStringLiteral("m"));
    parameter->setValue(2.5);
    parameter->setBFSParent(rule);
    parameter->m_explored = true;
    parameter->m_required = true;

    ParameterModel copy(*parameter);
    QCOMPARE(copy.getId(), QStringLiteral("P"));
    QCOMPARE(copy.getShortName(), QStringLiteral("p"));
    QCOMPARE(copy.getValue(), QVariant(2.5));
    QCOMPARE(copy.getDefaultValue(), QVariant(1.5));
    QVERIFY(copy.m_explored && copy.m_required);
    QVERIFY(copy.getBFSParent().isNull() && copy.m_BFSRules.isEmpty());
    QCOMPARE(inCount(copy), 0);
    QCOMPARE(copy.getAdjacentOutVerticesCount(), 0);
    QCOMPARE(copy.getAdditionalFields().value(QStringLiteral("unit")),
             QVariant(QStringLiteral("m")));
    QVERIFY(!copy.hasParent());

    parameter->reset();
    QVERIFY(!parameter->m_explored && !parameter->m_required);
    QVERIFY(parameter->getBFSParent().isNull() && parameter->m_BFSRules.isEmpty());
    QVERIFY(!parameter->getValue().isValid());
    QVERIFY(parameter->hasDefaultValue());
    QCOMPARE(inCount(*parameter), 1);
    QCOMPARE(parameter->getAdjacentOutVerticesCount(), 1);
}

namespace {

QSharedPointer<ObjectXMLSerializer> nodeFromText(const QString &n_xml, QDomDocument &n_document)
{
    n_document.setContent(n_xml);
    QDomElement element = n_document.documentElement();
    auto node = QSharedPointer<ObjectXMLSerializer>::create(QStringLiteral("parameter"),
                                                            n_document);
    node->setXMLObject(element);
    return node;
}

} // namespace

void tst_ParameterLinks::storedFormLoadsAndSavesTheAttributeSet()
{
    QDomDocument document;
    const auto minimal = nodeFromText(QStringLiteral("<parameter id=\"P1\" type=\"integer\"/>"),
                                      document);
    ParameterVertexPtrConnData bare(*minimal);
    QCOMPARE(bare.getId(), QStringLiteral("P1"));
    QCOMPARE(bare.getValueType(), QVariant::Int);
    QVERIFY(bare.getShortName().isEmpty());
    QVERIFY(!bare.hasDefaultValue());
    QVERIFY(bare.getAdditionalFields().isEmpty());

    QDomDocument document2;
    const auto full = nodeFromText(
        QStringLiteral("<parameter id=\"P2\" shortName=\"len\" type=\"double\" "
                       "defaultValue=\"2.5\" unit=\"m\" parametr=\"x\"/>"),
        document2);
    ParameterModel parameter;
    parameter.load(*full);
    QCOMPARE(parameter.getDefaultValue(), QVariant(2.5));
    QCOMPARE(parameter.getAdditionalFields().keys(), QList<QString>({QStringLiteral("unit")}));

    // The current value is never stored; the extra field goes back as it came.
    parameter.setValue(7.0);
    QDomDocument out;
    ObjectXMLSerializer saved(QStringLiteral("parameter"), out);
    parameter.save(saved);
    const QDomElement element = saved.getXMLObject();
    QCOMPARE(element.attribute(QStringLiteral("id")), QStringLiteral("P2"));
    QCOMPARE(element.attribute(QStringLiteral("shortName")), QStringLiteral("len"));
    QCOMPARE(element.attribute(QStringLiteral("type")), QStringLiteral("double"));
    QCOMPARE(element.attribute(QStringLiteral("unit")), QStringLiteral("m"));
    QCOMPARE(
        ISerializebleObject::readValueDouble(element.attribute(QStringLiteral("defaultValue"))),
        QVariant(2.5));
    QCOMPARE(element.attributes().count(), 5);

    // An empty default value text loads as no default value.
    QDomDocument document3;
    ParameterVertexPtrConnData emptyDefault(*nodeFromText(
        QStringLiteral("<parameter id=\"P3\" type=\"double\" defaultValue=\"\"/>"), document3));
    QVERIFY(!emptyDefault.hasDefaultValue());
}

void tst_ParameterLinks::storedFormRefusesWhatItCannotWrite()
{
    QDomDocument document;
    const auto noIdNode = nodeFromText(QStringLiteral("<parameter type=\"double\"/>"), document);
    const auto missingId = caught<NoIdExceptionOstra>(
        [&] { ParameterVertexPtrConnData noId(*noIdNode); });
    QCOMPARE(missingId.getClassName(), QStringLiteral("ParameterVertexPtrConnData"));
    QCOMPARE(missingId.getMethodName(), QStringLiteral("load(const ISerializerObject &n_object)"));

    // An untyped parameter fails in the type codec after the identity is written.
    ParameterVertexPtrConnData untyped(QStringLiteral("P1"), QVariant::Invalid, QVariant());
    QDomDocument out;
    ObjectXMLSerializer node(QStringLiteral("parameter"), out);
    QVERIFY_EXCEPTION_THROWN(untyped.save(node), BadValueTypeExceptionOstra);
    QCOMPARE(node.getXMLObject().attributes().count(), 1);

    // An extra field named like one of the parameter's own attributes must not overwrite it.
    ParameterVertexPtrConnData parameter(QStringLiteral("P2"), QVariant::Int, QVariant(3));
    for (const QString &name :
         {QStringLiteral("id"), QStringLiteral("type"), QStringLiteral("defaultValue"),
          QStringLiteral("parametr"), QStringLiteral("internalInfo")})
        parameter.addAdditionalField(name, QStringLiteral("bogus"));
    parameter.addAdditionalField(QStringLiteral("unit"), QStringLiteral("kg"));
    QDomDocument out2;
    ObjectXMLSerializer saved(QStringLiteral("parameter"), out2);
    parameter.save(saved);
    const QDomElement element = saved.getXMLObject();
    QCOMPARE(element.attribute(QStringLiteral("id")), QStringLiteral("P2"));
    QCOMPARE(element.attribute(QStringLiteral("type")), QStringLiteral("integer"));
    QCOMPARE(element.attribute(QStringLiteral("defaultValue")), QStringLiteral("3"));
    QVERIFY(!element.hasAttribute(QStringLiteral("parametr")));
    QVERIFY(element.text().isEmpty());
    QCOMPARE(element.attribute(QStringLiteral("unit")), QStringLiteral("kg"));
}

void tst_ParameterLinks::valueTextsFollowTheDeclaredType()
{
    ParameterModel number(QStringLiteral("D"), QVariant::Double, QVariant(1e20),
                          QSharedPointer<OstraClass>());
    QVERIFY(number.getValueStr().isEmpty());
    QCOMPARE(number.getDefaultValueStr(), QStringLiteral("1e+20"));
    number.setValue(0.1);
    QCOMPARE(number.getValueStr(), QStringLiteral("0.1"));
    number.setValue(QVariant(QVariant::Double));
    QVERIFY(number.getValueStr().isEmpty());

    ParameterModel text(QStringLiteral("S"), QVariant::String, QVariant(),
                        QSharedPointer<OstraClass>());
    text.setValue(QStringLiteral("abc"));
    QCOMPARE(text.getValueStr(), QStringLiteral("abc"));

    ParameterModel flag(QStringLiteral("B"), QVariant::Bool, QVariant(true),
                        QSharedPointer<OstraClass>());
    flag.setValue(true);
    ParameterModel count(QStringLiteral("I"), QVariant::Int, QVariant(4),
                         QSharedPointer<OstraClass>());
    count.setValue(5);
    QVERIFY(flag.getValueStr().isEmpty() && flag.getDefaultValueStr().isEmpty());
    QVERIFY(count.getValueStr().isEmpty() && count.getDefaultValueStr().isEmpty());
}

void tst_ParameterLinks::ownerOperationsRefuseMissingOwners()
{
    const auto parameter = makeParameter(QStringLiteral("P"));
    const auto noParent = caught<NoParentException>([&] { parameter->removeParent(); });
    QCOMPARE(noParent.getObjectWithNoParnetId(), QStringLiteral("P"));
    QCOMPARE(noParent.getClassName(), QStringLiteral("ParameterModel"));
    QCOMPARE(noParent.getMethodName(), QStringLiteral("removeParent()"));
    QVERIFY_EXCEPTION_THROWN(parameter->setParent(QSharedPointer<OstraClass>()), PointerIsNull);
    QVERIFY(!parameter->hasParent());
}

void tst_ParameterLinks::linkTableKeepsUnboundNames()
{
    auto p1 = makeParameter(QStringLiteral("P1"));
    const auto p2 = makeParameter(QStringLiteral("P2"));
    PtrLinkerHash<ParameterVertexPtrConn> table(
        {{QStringLiteral("a"), p1}, {QStringLiteral("n"), nullptr}});
    QCOMPARE(table.countOfLinkedObjectsHash(), 1);
    QCOMPARE(table.getLinkedObjectsHash().size(), 2);

    table.addLinkedObject(QStringLiteral("b"), p2);
    table.removeLinkedObject(QStringLiteral("b"));
    QVERIFY(table.getLinkedObjectsHash().contains(QStringLiteral("b")));
    QVERIFY(table.getObject(QStringLiteral("b")).isNull());
    QCOMPARE(table.getLinkedObjectsIdsHash(),
             (QHash<QString, QString>{{QStringLiteral("a"), QStringLiteral("P1")}}));
    QCOMPARE(table.countOfLinkedObjectsHash(), 1);
    QVERIFY(!table.containsLinkedObject(p2));

    // An unbound name takes any parameter again, also one already linked under another name.
    table.addLinkedObject(QStringLiteral("b"), p1);
    QVERIFY(QSet<QString>({QStringLiteral("a"), QStringLiteral("b")})
                .contains(table.getLinkedNameOfLinkedObject(p1)));
    table.deleteLinkedObject(QStringLiteral("b"));
    QCOMPARE(table.getLinkedNameOfLinkedObject(p1), QStringLiteral("a"));

    // A destroyed parameter leaves its name unbound; the clean-up erases unbound names only.
    p1.reset();
    QCOMPARE(table.countOfLinkedObjectsHash(), 0);
    table.addLinkedObject(QStringLiteral("c"), p2);
    table.deleteAllNullPointersLinkedObjects();
    QCOMPARE(table.getLinkedObjectsHash().keys(), QList<QString>({QStringLiteral("c")}));
}

void tst_ParameterLinks::linkTableRefusesDoubleBindingsAndUnboundWalks()
{
    const auto p1 = makeParameter(QStringLiteral("P1"));
    const auto p2 = makeParameter(QStringLiteral("P2"));
    PtrLinkerHash<ParameterVertexPtrConn> table;
    QVERIFY(table.canBeExplored());
    table.addLinkedObject(QStringLiteral("a"), p1);
    const auto duplicate = caught<ElementAlreadyExistExceptionOstra>(
        [&] { table.addLinkedObject(QStringLiteral("a"), p2); });
    QCOMPARE(duplicate.getElementId(), QStringLiteral("a"));
    QCOMPARE(duplicate.getMethodName(),
             QStringLiteral("addLinkedObject(const QString& n_linkedName, ObjectTemplateSharedPtr "
                            "n_linkedObject)"));
    QCOMPARE(table.getObject(QStringLiteral("a")), p1);

    table.addLinkedObject(QStringLiteral("b"), p1);
    const auto duplicate2 = caught<ElementAlreadyExistExceptionOstra>(
        [&] { table.replaceLinkedObject(QStringLiteral("b"), p1); });
    QCOMPARE(duplicate2.getElementId(), QStringLiteral("P1"));
    QVERIFY_EXCEPTION_THROWN(table.replaceLinkedObject(QStringLiteral("zz"), p2),
                             NoElementExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(table.replaceLinkedObject(QStringLiteral("a"), nullptr),
                             PointerIsNull);
    table.replaceLinkedObject(QStringLiteral("b"), p2);
    QCOMPARE(table.getObject(QStringLiteral("b")), p2);

    QVERIFY_EXCEPTION_THROWN(table.getObject(QStringLiteral("zz")), NoElementExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(table.removeLinkedObject(QStringLiteral("zz")),
                             NoElementExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(table.deleteLinkedObject(QStringLiteral("zz")),
                             NoElementExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(table.getLinkedNameOfLinkedObject(nullptr), PointerIsNull);
    QVERIFY_EXCEPTION_THROWN(table.containsLinkedObject(nullptr), PointerIsNull);
    QVERIFY_EXCEPTION_THROWN(table.getLinkedNameOfLinkedObject(makeParameter(QStringLiteral("P9"))),
                             NoElementExceptionOstra);

    // Every linked parameter must be explored; an unbound name met on the walk is an error.
    QVERIFY(!table.canBeExplored());
    p1->m_explored = true;
    p2->m_explored = true;
    QVERIFY(table.canBeExplored());
    table.removeLinkedObject(QStringLiteral("a"));
    QVERIFY_EXCEPTION_THROWN(table.canBeExplored(), PointerIsNull);
}

QTEST_GUILESS_MAIN(tst_ParameterLinks)
#include "tst_parameter_links.moc"
