#include <QtTest>

#include "XmlTestSupport.h"

#include <QDomDocument>

#include "elements/BaseObjectParent.h"
#include "elements/RelationsStorage.h"
#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/NotObjectOwner.h"
#include "errors/PointerIsNull.h"
#include "errors/RelationNoCode.h"
#include "serialization/RelationsStorageXMLSerializer.h"

namespace {

typedef QSharedPointer<RelationModel> RelationPtr;

RelationPtr makeRelation(const QString &n_id, const QString &n_shortName,
                         const QString &n_code = QStringLiteral("y = 2*x"))
{
    auto relation = QSharedPointer<RelationModel>::create(n_id, n_code, nullptr);
    relation->setShortName(n_shortName);
    relation->addInputParameterType(QStringLiteral("x"), QVariant::Int);
    relation->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    return relation;
}

double runLinear(const RelationPtr &n_relation, int n_x)
{
    n_relation->setInputParameterValue(QStringLiteral("x"), QVariant(n_x));
    n_relation->calculate();
    return n_relation->getOutputParameterValue(QStringLiteral("y")).toDouble();
}

// The relations of the store in the order in which the store walks them.
QList<RelationPtr> storeOrder(const RelationsStoragePtr &n_storage)
{
    return n_storage->getRelationsHash().values();
}

QStringList reasonIds(const IntegrityMsg &n_msg)
{
    QStringList ids;
    for (const QSharedPointer<const BaseOstraObj> &reason : n_msg.getMsgReasons())
        ids << reason->getId();
    return ids;
}

// The integrity check as its definition reads: pass 1 for empty names, then pass 2 walking a
// working copy and asking the store for each relation's first namesake.
QList<QPair<int, QStringList>> referenceIntegrity(const RelationsStoragePtr &n_storage)
{
    QList<QPair<int, QStringList>> expected;
    const QHash<QString, RelationPtr> relations = n_storage->getRelationsHash();
    for (const RelationPtr &relation : relations)
        if (relation->getShortName().isEmpty())
            expected.append(
                {IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY, {relation->getId()}});
    QHash<QString, RelationPtr> working = relations;
    for (auto it = relations.constBegin(); it != relations.constEnd(); ++it) {
        if (!working.contains(it.key()))
            continue;
        const RelationPtr partner = n_storage->isRelationWithSameShortNameExist(it.value());
        if (partner) {
            expected.append({IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME,
                             {it.value()->getId(), partner->getId()}});
            working.remove(partner->getId());
        }
    }
    return expected;
}

QList<QPair<int, QStringList>> actualIntegrity(const ModelIntegrity &n_report)
{
    QList<QPair<int, QStringList>> actual;
    for (const IntegrityMsg &msg : n_report.getIntegrityMsgs())
        actual.append({msg.getMsgCode(), reasonIds(msg)});
    return actual;
}

class OwnedElement : public BaseObjectParent
{};

} // namespace

class tst_RelationsStorage : public QObject
{
    Q_OBJECT

private slots:
    void storeContract();
    void copiedStoreIsIndependent();
    void storageAdoptsRelations();
    void refusedAddChangesNothing();
    void copiedStorageOwnsItsRelations();
    void integrityEmptyAndSharedNames();
    void integrityThreeNamesakes();
    void integrityMatchesItsDefinition();
    void sameShortNameLookup();
    void resetUuid();
    void xmlRoundTrip();
    void loadStopsAtDuplicate();
    void saveFailureAddsNothing();
    void relationOwnerLink();
    void classOwnerLink();
};

void tst_RelationsStorage::storeContract()
{
    // Empty: lookups fail with their own texts, deleting an unknown pointer is a no-op.
    IRelationData store;
    const auto missing = caught<NoElementExceptionOstra>(
        [&] { store.getRelationPtr(QStringLiteral("r")); });
    QCOMPARE(missing.getMethodName(), QStringLiteral("getRelationPtr(const QString &n_id"));
    QVERIFY_EXCEPTION_THROWN(store.getRelationSharedPtr(QStringLiteral("r")),
                             NoElementExceptionOstra);
    const auto missing2 = caught<NoElementExceptionOstra>(
        [&] { store.deleteRelation(QStringLiteral("r")); });
    QCOMPARE(missing2.getMethodName(), QStringLiteral("getRelationSharedPtr(const QString &n_id)"));
    store.deleteRelationPtr(makeRelation(QStringLiteral("r"), QString()));
    QCOMPARE(store.getRelationsCount(), 0);

    const RelationPtr first = makeRelation(QStringLiteral("r1"), QStringLiteral("same"));
    store.addRelationPtr(first);
    const auto duplicate = caught<ElementAlreadyExistExceptionOstra>(
        [&] { store.addRelationPtr(makeRelation(QStringLiteral("r1"), QStringLiteral("other"))); });
    QCOMPARE(duplicate.getElementId(), QStringLiteral("r1"));
    QCOMPARE(duplicate.getClassName(), QStringLiteral("IRelationData"));
    QCOMPARE(store.getRelationPtr(QStringLiteral("r1")), first);
    QVERIFY_EXCEPTION_THROWN(store.addRelation(*first), ElementAlreadyExistExceptionOstra);
    QCOMPARE(store.getRelationsCount(), 1);

    // Short names: empty names never clash, the relation itself is skipped, and a relation outside
    // the store can clash with a stored one.
    QVERIFY(!store.isRelationWithSameShortNameExist(first));
    QVERIFY(store.isRelationWithSameShortNameExist(
        makeRelation(QStringLiteral("x"), QStringLiteral("same"))));
    const RelationPtr unnamed = makeRelation(QStringLiteral("r2"), QString());
    store.addRelationPtr(unnamed);
    QVERIFY(!store.isRelationWithSameShortNameExist(makeRelation(QStringLiteral("r3"), QString())));

    // The key is the id at insertion time.
    unnamed->setId(QStringLiteral("renamed"));
    QCOMPARE(store.getRelationPtr(QStringLiteral("r2")), unnamed);
    QVERIFY(!store.relationsContains(QStringLiteral("renamed")));

    first->setInputParameterValue(QStringLiteral("x"), QVariant(4));
    store.resetRelations();
    QVERIFY(!first->getInputParameterValue(QStringLiteral("x")).isValid());

    store.deleteRelation(QStringLiteral("r1"));
    QVERIFY(!store.relationsContains(QStringLiteral("r1")));
    QCOMPARE(first->getId(), QStringLiteral("r1"));
}

void tst_RelationsStorage::copiedStoreIsIndependent()
{
    IRelationData store;
    for (const char *id : {"a", "b", "c"})
        store.addRelationPtr(makeRelation(QString::fromLatin1(id), QString::fromLatin1(id)));
    IRelationData copy(store);
    QCOMPARE(copy.getRelationsCount(), 3);
    for (const RelationPtr &relation : store.getRelationsHash()) {
        const RelationPtr copied = copy.getRelationPtr(relation->getId());
        QVERIFY(copied != relation);
        QVERIFY(*copied == *relation);
    }
    copy.getRelationPtr(QStringLiteral("a"))->setCode(QStringLiteral("y = 0"));
    QCOMPARE(store.getRelationPtr(QStringLiteral("a"))->getCode(), QStringLiteral("y = 2*x"));
}

void tst_RelationsStorage::storageAdoptsRelations()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const auto noPointer = caught<PointerIsNull>([&] { storage->addRelationPtr(RelationPtr()); });
    QCOMPARE(noPointer.getClassName(), QStringLiteral("RelationsStorage"));
    QCOMPARE(noPointer.getMethodName(),
             QStringLiteral("addRelationPtr(RelationsStorage::RelationSharedPtr n_relation)"));
    QCOMPARE(storage->getRelationsCount(), 0);

    const RelationPtr relation = makeRelation(QStringLiteral("r"), QStringLiteral("lin"));
    storage->addRelationPtr(relation);
    QCOMPARE(relation->getParent(), storage);
    QCOMPARE(runLinear(relation, 5), 10.0);

    // Relations added through the inherited copy path get neither owner nor engine.
    RelationModel plain(*makeRelation(QStringLiteral("p"), QString()));
    storage->addRelation(plain);
    const RelationPtr copied = storage->getRelationPtr(QStringLiteral("p"));
    QVERIFY(!copied->hasParent());
    QVERIFY_EXCEPTION_THROWN(runLinear(copied, 1), PointerIsNull);

    // A storage that no shared pointer holds cannot adopt: nothing is added.
    RelationsStorage unshared;
    const RelationPtr orphan = makeRelation(QStringLiteral("o"), QString());
    QVERIFY_EXCEPTION_THROWN(unshared.addRelationPtr(orphan), PointerIsNull);
    QCOMPARE(unshared.getRelationsCount(), 0);
}

void tst_RelationsStorage::refusedAddChangesNothing()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    RelationsStoragePtr other = QSharedPointer<RelationsStorage>::create();
    storage->addRelationPtr(makeRelation(QStringLiteral("r"), QString()));

    const RelationPtr duplicate = makeRelation(QStringLiteral("r"), QString());
    QVERIFY_EXCEPTION_THROWN(storage->addRelationPtr(duplicate), ElementAlreadyExistExceptionOstra);
    QVERIFY(!duplicate->hasParent());
    QVERIFY_EXCEPTION_THROWN(runLinear(duplicate, 1), PointerIsNull);

    // A relation that already belongs elsewhere keeps that owner and that engine.
    const RelationPtr owned = makeRelation(QStringLiteral("r"), QString(),
                                           QStringLiteral("y = 3*x"));
    other->addRelationPtr(owned);
    QVERIFY_EXCEPTION_THROWN(storage->addRelationPtr(owned), ElementAlreadyExistExceptionOstra);
    QCOMPARE(owned->getParent(), other);
    QCOMPARE(runLinear(owned, 2), 6.0);
    QCOMPARE(storage->getRelationsCount(), 1);
    QVERIFY(storage->getRelationPtr(QStringLiteral("r")) != owned);
}

void tst_RelationsStorage::copiedStorageOwnsItsRelations()
{
    RelationsStoragePtr source = QSharedPointer<RelationsStorage>::create();
    const RelationPtr writer = makeRelation(QStringLiteral("w"), QStringLiteral("writer"),
                                            QStringLiteral("marker = x; y = x"));
    const RelationPtr reader = makeRelation(
        QStringLiteral("r"), QStringLiteral("reader"),
        QStringLiteral("y = typeof marker == 'number' ? marker : -1"));
    source->addRelationPtr(writer);
    source->addRelationPtr(reader);

    RelationsStoragePtr copy = QSharedPointer<RelationsStorage>::create(*source);
    QCOMPARE(copy->getRelationsCount(), 2);
    for (const RelationPtr &relation : copy->getRelationsHash()) {
        QCOMPARE(relation->getParent(), copy);
        QVERIFY(relation != source->getRelationPtr(relation->getId()));
        QVERIFY(*relation == *source->getRelationPtr(relation->getId()));
    }
    QCOMPARE(writer->getParent(), source);

    // A global written in the copy's engine is not seen in the source's.
    QCOMPARE(runLinear(copy->getRelationPtr(QStringLiteral("w")), 7), 7.0);
    QCOMPARE(runLinear(copy->getRelationPtr(QStringLiteral("r")), 0), 7.0);
    QCOMPARE(runLinear(reader, 0), -1.0);

    // The copy stays usable after its source is gone.
    source.reset();
    QCOMPARE(runLinear(copy->getRelationPtr(QStringLiteral("w")), 8), 8.0);
    QVERIFY(writer->hasParent() == false);
}

void tst_RelationsStorage::integrityEmptyAndSharedNames()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    storage->addRelationPtr(makeRelation(QStringLiteral("a"), QStringLiteral("twin")));
    storage->addRelationPtr(makeRelation(QStringLiteral("b"), QStringLiteral("twin")));
    storage->addRelationPtr(makeRelation(QStringLiteral("c"), QString()));

    const ModelIntegrity report = storage->checkRelationsIntegrity();
    QVERIFY(report.areAnyErrors());
    const QList<IntegrityMsg> msgs = report.getIntegrityMsgs();
    QCOMPARE(msgs.size(), 2);
    QCOMPARE(msgs.at(0).getMsgType(), IntegrityMsg::WARNING);
    QCOMPARE(msgs.at(0).getMsgCode(), IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY);
    QCOMPARE(reasonIds(msgs.at(0)), QStringList{QStringLiteral("c")});
    QCOMPARE(msgs.at(1).getMsgType(), IntegrityMsg::ERROR);
    QCOMPARE(msgs.at(1).getMsgCode(), IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME);
    const QStringList pair = reasonIds(msgs.at(1));
    QCOMPARE(QSet<QString>(pair.begin(), pair.end()),
             (QSet<QString>{QStringLiteral("a"), QStringLiteral("b")}));

    RelationsStoragePtr distinct = QSharedPointer<RelationsStorage>::create();
    distinct->addRelationPtr(makeRelation(QStringLiteral("a"), QStringLiteral("one")));
    distinct->addRelationPtr(makeRelation(QStringLiteral("b"), QStringLiteral("two")));
    const ModelIntegrity clean = distinct->checkRelationsIntegrity();
    QVERIFY(clean.getIntegrityMsgs().isEmpty());
    QVERIFY(!clean.areAnyErrors());
}

void tst_RelationsStorage::integrityThreeNamesakes()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    for (const char *id : {"r1", "r2", "r3"})
        storage->addRelationPtr(makeRelation(QString::fromLatin1(id), QStringLiteral("same")));
    const QList<RelationPtr> order = storeOrder(storage);

    const QList<IntegrityMsg> msgs = storage->checkRelationsIntegrity().getIntegrityMsgs();
    QCOMPARE(msgs.size(), 2);
    QCOMPARE(reasonIds(msgs.at(0)), (QStringList{order.at(0)->getId(), order.at(1)->getId()}));
    QCOMPARE(reasonIds(msgs.at(1)), (QStringList{order.at(2)->getId(), order.at(0)->getId()}));
}

void tst_RelationsStorage::integrityMatchesItsDefinition()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const QStringList names{QString(),           QStringLiteral("a"), QStringLiteral("b"),
                            QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("a"),
                            QStringLiteral("b"), QString(),           QStringLiteral("d")};
    for (int i = 0; i < 60; ++i)
        storage->addRelationPtr(
            makeRelation(QStringLiteral("rel%1").arg(i), names.at((i * 7) % names.size())));
    QCOMPARE(actualIntegrity(storage->checkRelationsIntegrity()), referenceIntegrity(storage));
}

void tst_RelationsStorage::sameShortNameLookup()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const RelationPtr alone = makeRelation(QStringLiteral("a"), QStringLiteral("alone"));
    const RelationPtr unnamed = makeRelation(QStringLiteral("u"), QString());
    const RelationPtr twin = makeRelation(QStringLiteral("t1"), QStringLiteral("twin"));
    const RelationPtr twin2 = makeRelation(QStringLiteral("t2"), QStringLiteral("twin"));
    for (const RelationPtr &relation : {alone, unnamed, twin, twin2})
        storage->addRelationPtr(relation);

    QVERIFY(storage->isRelationWithSameShortNameExist(alone).isNull());
    QVERIFY(storage->isRelationWithSameShortNameExist(unnamed).isNull());
    QCOMPARE(storage->isRelationWithSameShortNameExist(twin), twin2);

    const auto noPointer = caught<PointerIsNull>(
        [&] { storage->isRelationWithSameShortNameExist(RelationPtr()); });
    QCOMPARE(noPointer.getClassName(), QStringLiteral("OstraClass"));
    const auto foreign = caught<NotObjectOwner>([&] {
        storage->isRelationWithSameShortNameExist(
            makeRelation(QStringLiteral("x"), QStringLiteral("twin")));
    });
    QCOMPARE(foreign.getObjectId(), QStringLiteral("x"));
    QCOMPARE(foreign.getWrongOwnerId(), QStringLiteral("RelationStorage"));
    QCOMPARE(foreign.getClassName(), QStringLiteral("RelationsStorage"));
}

void tst_RelationsStorage::resetUuid()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const QStringList oldIds{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    QList<RelationPtr> relations;
    for (const QString &id : oldIds) {
        relations << makeRelation(id, id);
        storage->addRelationPtr(relations.last());
    }
    storage->resetUuid();
    QCOMPARE(storage->getRelationsCount(), 3);
    for (int i = 0; i < relations.size(); ++i) {
        const QString newId = relations.at(i)->getId();
        QCOMPARE(newId.size(), 36);
        QVERIFY(!oldIds.contains(newId));
        QCOMPARE(storage->getRelationPtr(newId), relations.at(i));
        QVERIFY(!storage->relationsContains(oldIds.at(i)));
    }
}

void tst_RelationsStorage::xmlRoundTrip()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const RelationPtr linear = makeRelation(QStringLiteral("b-linear"), QStringLiteral("linear"),
                                            QStringLiteral("y = 2*x + 1"));
    const RelationPtr clause = makeRelation(QStringLiteral("c-clause"), QStringLiteral("clause"),
                                            QStringLiteral("if (x > 0) { y = 1 } else { y = -1 }"));
    clause->setRelationType(RelationModel::RELATION_IFCLAUSE);
    clause->setDescription(QStringLiteral("sign of x"));
    clause->addAdditionalField(QStringLiteral("colour"), QVariant(QStringLiteral("blue")));
    const RelationPtr program = QSharedPointer<RelationModel>::create(
        QStringLiteral("a-program"), QStringLiteral("n = names.length; flag = n > 1;"), nullptr);
    program->setRelationType(RelationModel::RELATION_PROGRAM);
    program->addInputParameterType(QStringLiteral("names"), QVariant::StringList);
    program->addOutputParameterType(QStringLiteral("n"), QVariant::Double);
    program->addOutputParameterType(QStringLiteral("flag"), QVariant::Bool);
    for (const RelationPtr &relation : {linear, clause, program})
        storage->addRelationPtr(relation);

    RelationsStorageXMLSerializer writer{QDomDocument()};
    storage->save(writer);
    const QString text = writer.saveToString();
    const int a = text.indexOf(QStringLiteral("\"a-program\""));
    const int b = text.indexOf(QStringLiteral("\"b-linear\""));
    const int c = text.indexOf(QStringLiteral("\"c-clause\""));
    QVERIFY2(a >= 0 && a < b && b < c, qPrintable(text));

    RelationsStorageXMLSerializer reader{QDomDocument()};
    reader.loadFromString(text);
    RelationsStoragePtr loaded = QSharedPointer<RelationsStorage>::create();
    loaded->load(reader);
    QCOMPARE(loaded->getRelationsCount(), 3);
    for (const RelationPtr &original : storage->getRelationsHash()) {
        const RelationPtr copy = loaded->getRelationPtr(original->getId());
        QVERIFY(*copy == *original);
        QCOMPARE(copy->getShortName(), original->getShortName());
        QCOMPARE(copy->getDescription(), original->getDescription());
        QCOMPARE(copy->getRelationType(), original->getRelationType());
        QCOMPARE(copy->getAdditionalFields(), original->getAdditionalFields());
        QCOMPARE(copy->getParent(), loaded);
    }

    QCOMPARE(runLinear(loaded->getRelationPtr(QStringLiteral("b-linear")), 3), 7.0);
    QCOMPARE(runLinear(loaded->getRelationPtr(QStringLiteral("c-clause")), -2), -1.0);
    const RelationPtr loadedProgram = loaded->getRelationPtr(QStringLiteral("a-program"));
    loadedProgram->setInputParameterValue(
        QStringLiteral("names"), QVariant(QStringList{QStringLiteral("p"), QStringLiteral("q")}));
    loadedProgram->calculate();
    QCOMPARE(loadedProgram->getOutputParameterValue(QStringLiteral("n")).toDouble(), 2.0);
    QCOMPARE(loadedProgram->getOutputParameterValue(QStringLiteral("flag")), QVariant(true));
}

void tst_RelationsStorage::loadStopsAtDuplicate()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    storage->addRelationPtr(makeRelation(QStringLiteral("r0"), QString()));
    const QString text = QStringLiteral("<relations>"
                                        "<relation id=\"r1\" relationType=\"simple\" "
                                        "inObj=\"x:integer\" outObj=\"y:double\">y = x</relation>"
                                        "<relation id=\"r0\" relationType=\"simple\" "
                                        "inObj=\"x:integer\" outObj=\"y:double\">y = x</relation>"
                                        "<relation id=\"r2\" relationType=\"simple\" "
                                        "inObj=\"x:integer\" outObj=\"y:double\">y = x</relation>"
                                        "</relations>");
    RelationsStorageXMLSerializer reader{QDomDocument()};
    reader.loadFromString(text);
    QVERIFY_EXCEPTION_THROWN(storage->load(reader), ElementAlreadyExistExceptionOstra);
    QCOMPARE(storage->getRelationsCount(), 2);
    QVERIFY(storage->relationsContains(QStringLiteral("r1")));
    QVERIFY(!storage->relationsContains(QStringLiteral("r2")));
    QCOMPARE(runLinear(storage->getRelationPtr(QStringLiteral("r1")), 4), 4.0);
}

void tst_RelationsStorage::saveFailureAddsNothing()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    storage->addRelationPtr(makeRelation(QStringLiteral("a"), QString()));
    storage->addRelationPtr(makeRelation(QStringLiteral("b"), QString(), QString()));
    RelationsStorageXMLSerializer writer{QDomDocument()};
    QVERIFY_EXCEPTION_THROWN(storage->save(writer), RelationNoCode);
    QVERIFY(writer.getXMLObject().childNodes().isEmpty());
}

void tst_RelationsStorage::relationOwnerLink()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const RelationPtr relation = makeRelation(QStringLiteral("r"), QString());
    QVERIFY(!relation->hasParent());
    relation->setParent(storage);
    const auto noPointer = caught<PointerIsNull>(
        [&] { relation->setParent(RelationsStoragePtr()); });
    QCOMPARE(noPointer.getClassName(), QStringLiteral("BaseRelationParent"));
    QCOMPARE(noPointer.getMethodName(), QStringLiteral("setParent(RelationsStoragePtr n_parent)"));
    QCOMPARE(relation->getParent(), storage);

    BaseRelationParent copy(*relation);
    QCOMPARE(copy.getParent(), storage);
    copy.removeParent();
    QVERIFY(!copy.hasParent());
    QVERIFY(relation->hasParent());

    storage.reset();
    QVERIFY(!relation->hasParent());
    QVERIFY(relation->getParent().isNull());
}

void tst_RelationsStorage::classOwnerLink()
{
    // The class type is opaque here: the link never touches its owner, so a stand-in object with
    // its own deleter serves as owner.
    QSharedPointer<OstraClass> owner(
        reinterpret_cast<OstraClass *>(new char),
        [](OstraClass *n_class) { delete reinterpret_cast<char *>(n_class); });
    OwnedElement element;
    QVERIFY(!element.hasParent());
    element.setParent(owner);
    QCOMPARE(element.getParent(), owner);

    OwnedElement copy(element);
    QCOMPARE(copy.getParent(), owner);
    copy.removeParent();
    QVERIFY(!copy.hasParent());
    QVERIFY(element.hasParent());

    copy.setWeakParent(owner.toWeakRef());
    QVERIFY(copy.hasParent());
    copy.setParent(QSharedPointer<OstraClass>());
    QVERIFY(!copy.hasParent());

    owner.reset();
    QVERIFY(!element.hasParent());
    QVERIFY(element.getParent().isNull());
}

QTEST_GUILESS_MAIN(tst_RelationsStorage)
#include "tst_relations_storage.moc"
