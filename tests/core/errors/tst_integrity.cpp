#include <QtTest>

#include "errors/BaseOstraObj.h"
#include "errors/CantSaveClassIntegrityErrors.h"
#include "errors/IntegrityMsg.h"
#include "errors/ModelIntegrity.h"

namespace {

const QString SEPARATOR = QStringLiteral("**************************");
const QString END_LINE = QStringLiteral("--------------------------------------\n");

QSharedPointer<const BaseOstraObj> element(const QString &n_id)
{
    return QSharedPointer<const BaseOstraObj>::create(n_id, QString(), QString(), QString(),
                                                      QString());
}

IntegrityMsg message(IntegrityMsg::MsgType n_type, int n_code,
                     QList<QSharedPointer<const BaseOstraObj>> n_reasons = {})
{
    return IntegrityMsg(n_type, n_code, n_reasons);
}

QList<int> codesOf(const ModelIntegrity &n_report)
{
    QList<int> codes;
    const QList<IntegrityMsg> msgs = n_report.getIntegrityMsgs();
    for (const IntegrityMsg &msg : msgs)
        codes << msg.getMsgCode();
    return codes;
}

QString saveFailureHead()
{
    return QStringLiteral("Exception Id: 539\nClass name: OstraClass\n"
                          "Method name: save(ISerializerClass &n_object)\n"
                          "Description: Can't save class, because class has integrity errors\n");
}

} // namespace

class tst_Integrity : public QObject
{
    Q_OBJECT

private slots:
    void messageReasons();
    void errorFlagNeverResets();
    void mergeKeepsOrderAndFlag();
    void mergeIntoItself();

    void saveFailureWithEmptyReport();
    void saveFailureWithTwoMessages();
    void saveFailureWithNullReason();
    void saveFailureKeepsItsOwnReport();
};

void tst_Integrity::messageReasons()
{
    IntegrityMsg msg = message(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_RELATION);
    QVERIFY(msg.getMsgReasons().isEmpty());
    const auto first = element(QStringLiteral("rule-1"));
    const auto second = element(QStringLiteral("par-1"));
    msg.addErrorReason(first);
    msg.addErrorReason(second);
    const QList<QSharedPointer<const BaseOstraObj>> reasons = msg.getMsgReasons();
    QCOMPARE(reasons.size(), 2);
    // The message shares the elements, it does not copy them.
    QCOMPARE(reasons.at(0).data(), first.data());
    QCOMPARE(reasons.at(1).data(), second.data());
    QCOMPARE(msg.getMsgType(), IntegrityMsg::ERROR);
    QCOMPARE(msg.getMsgCode(), 1);

    // Initial reasons come before added ones.
    IntegrityMsg withInitial = message(IntegrityMsg::WARNING, 23, {second});
    withInitial.addErrorReason(first);
    QCOMPARE(withInitial.getMsgReasons().at(0)->getId(), QStringLiteral("par-1"));
    QCOMPARE(withInitial.getMsgReasons().at(1)->getId(), QStringLiteral("rule-1"));
}

void tst_Integrity::errorFlagNeverResets()
{
    ModelIntegrity report;
    QVERIFY(report.getIntegrityMsgs().isEmpty());
    QVERIFY(!report.areAnyErrors());

    IntegrityMsg warning = message(IntegrityMsg::WARNING,
                                   IntegrityMsg::MSG_CODE_RULE_SHORTNAME_IS_EMPTY);
    IntegrityMsg information = message(IntegrityMsg::INFORMATION, 24);
    report.addIntegrityMsg(warning);
    report.addIntegrityMsg(information);
    QVERIFY(!report.areAnyErrors());

    IntegrityMsg error = message(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_RELATION);
    report.addIntegrityMsg(error);
    QVERIFY(report.areAnyErrors());

    report.addIntegrityMsg(warning);
    report.addAllFromModelInegrity(ModelIntegrity());
    QVERIFY(report.areAnyErrors());
    QCOMPARE(codesOf(report), QList<int>({25, 24, 1, 25}));
}

void tst_Integrity::mergeKeepsOrderAndFlag()
{
    ModelIntegrity warnings;
    IntegrityMsg w1 = message(IntegrityMsg::WARNING, 19);
    IntegrityMsg w2 = message(IntegrityMsg::WARNING, 16);
    warnings.addIntegrityMsg(w1);
    warnings.addIntegrityMsg(w2);

    ModelIntegrity merged;
    merged.addAllFromModelInegrity(warnings);
    QVERIFY(!merged.areAnyErrors());

    ModelIntegrity errors;
    IntegrityMsg e1 = message(IntegrityMsg::ERROR, 22);
    IntegrityMsg w3 = message(IntegrityMsg::WARNING, 23);
    errors.addIntegrityMsg(w3);
    errors.addIntegrityMsg(e1);
    merged.addAllFromModelInegrity(errors);
    QVERIFY(merged.areAnyErrors());
    QCOMPARE(codesOf(merged), QList<int>({19, 16, 23, 22}));

    // The merged report is untouched.
    QCOMPARE(codesOf(errors), QList<int>({23, 22}));
    QCOMPARE(codesOf(warnings), QList<int>({19, 16}));
    QVERIFY(!warnings.areAnyErrors());
}

void tst_Integrity::mergeIntoItself()
{
    ModelIntegrity report;
    IntegrityMsg w = message(IntegrityMsg::WARNING, 26);
    IntegrityMsg e = message(IntegrityMsg::ERROR, 10);
    report.addIntegrityMsg(w);
    report.addIntegrityMsg(e);
    report.addAllFromModelInegrity(report);
    QCOMPARE(codesOf(report), QList<int>({26, 10, 26, 10}));
}

void tst_Integrity::saveFailureWithEmptyReport()
{
    const CantSaveClassIntegrityErrors failure(ModelIntegrity(), QStringLiteral("OstraClass"),
                                               QStringLiteral("save(ISerializerClass &n_object)"),
                                               nullptr);
    QCOMPARE(failure.getExceptionId(), 539);
    QCOMPARE(failure.toString(false), saveFailureHead() + SEPARATOR);
    // No line feed after the separator: the end line stands on the same line.
    QCOMPARE(failure.toString(true), saveFailureHead() + SEPARATOR + END_LINE);
}

void tst_Integrity::saveFailureWithTwoMessages()
{
    ModelIntegrity report;
    IntegrityMsg duplicates = message(IntegrityMsg::ERROR,
                                      IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME,
                                      {element(QStringLiteral("A")), element(QStringLiteral("B"))});
    duplicates.addAdditionalErrorReason(QStringLiteral("name"), QStringLiteral("first"));
    duplicates.addAdditionalErrorReason(QStringLiteral("name"), QStringLiteral("second"));
    // Warnings are listed like errors, and the indices start again at 0.
    IntegrityMsg emptyName = message(IntegrityMsg::WARNING,
                                     IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY,
                                     {element(QStringLiteral("C"))});
    IntegrityMsg noReasons = message(IntegrityMsg::INFORMATION,
                                     IntegrityMsg::MSG_CODE_CLASS_NO_RELATIONS_STORAGE);
    report.addIntegrityMsg(duplicates);
    report.addIntegrityMsg(emptyName);
    report.addIntegrityMsg(noReasons);

    const CantSaveClassIntegrityErrors failure(report, QStringLiteral("OstraClass"),
                                               QStringLiteral("save(ISerializerClass &n_object)"),
                                               nullptr);
    const QString findings =
        SEPARATOR + QStringLiteral("Msg code: 22\nMsg type: 2\nReason 0 : A\nReason 1 : B\n")
        + SEPARATOR + QStringLiteral("Msg code: 23\nMsg type: 1\nReason 0 : C\n") + SEPARATOR
        + QStringLiteral("Msg code: 24\nMsg type: 0\n") + SEPARATOR;
    QCOMPARE(failure.toString(false), saveFailureHead() + findings);
    QCOMPARE(failure.toString(true), saveFailureHead() + findings + END_LINE);
    // The named extra reasons are never shown.
    QVERIFY(!failure.toString(true).contains(QStringLiteral("second")));

    // A cause comes first, closed by its end line.
    const CantSaveClassIntegrityErrors chained(
        report, QStringLiteral("OstraClass"), QStringLiteral("save(ISerializerClass &n_object)"),
        QSharedPointer<ExceptionOstra>::create(600, QStringLiteral("Cause"), QStringLiteral("Deep"),
                                               QStringLiteral("deep()"), nullptr));
    QVERIFY(chained.toString(false).startsWith(QStringLiteral("Exception Id: 600\n")));
    QVERIFY(chained.toString(false).endsWith(END_LINE + saveFailureHead() + findings));
}

void tst_Integrity::saveFailureWithNullReason()
{
    // A finding may hold a null element; it is shown with an empty id instead of crashing.
    IntegrityMsg msg = message(
        IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_ONE_INPUT_PARAMETER_IS_NULL,
        {QSharedPointer<const BaseOstraObj>(), element(QStringLiteral("rule-1"))});
    ModelIntegrity report;
    report.addIntegrityMsg(msg);
    const CantSaveClassIntegrityErrors failure(report, QStringLiteral("OstraClass"),
                                               QStringLiteral("save(ISerializerClass &n_object)"),
                                               nullptr);
    QCOMPARE(failure.toString(false),
             saveFailureHead() + SEPARATOR
                 + QStringLiteral("Msg code: 8\nMsg type: 2\nReason 0 : \nReason 1 : rule-1\n")
                 + SEPARATOR);
}

void tst_Integrity::saveFailureKeepsItsOwnReport()
{
    ModelIntegrity report;
    IntegrityMsg warning = message(IntegrityMsg::WARNING, 19, {element(QStringLiteral("rule-1"))});
    report.addIntegrityMsg(warning);
    const CantSaveClassIntegrityErrors failure(report, QStringLiteral("OstraClass"),
                                               QStringLiteral("save(ISerializerClass &n_object)"),
                                               nullptr);
    const QString before = failure.toString(true);

    IntegrityMsg error = message(IntegrityMsg::ERROR, 20);
    report.addIntegrityMsg(error);
    report = ModelIntegrity();
    QCOMPARE(failure.toString(true), before);

    // A report without errors is accepted as it is, and copies carry their own report.
    QScopedPointer<ExceptionOstra> clone(failure.clone());
    const auto *typedClone = dynamic_cast<CantSaveClassIntegrityErrors *>(clone.data());
    QVERIFY(typedClone);
    QCOMPARE(codesOf(typedClone->getModelIntegrity()), QList<int>({19}));
    QVERIFY(!typedClone->getModelIntegrity().areAnyErrors());
    try {
        failure.raise();
    } catch (const CantSaveClassIntegrityErrors &caught) {
        QCOMPARE(codesOf(caught.getModelIntegrity()), QList<int>({19}));
        QCOMPARE(caught.toString(true), before);
        return;
    }
    QFAIL("not caught by its own class");
}

QTEST_GUILESS_MAIN(tst_Integrity)
#include "tst_integrity.moc"
