#include <QtTest>

#include "XmlTestSupport.h"

#include "elements/ParameterVertexValue.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/ValuesTypesMismatchExceptionOstra.h"

Q_DECLARE_METATYPE(QVariant::Type)

class tst_ParameterValue : public QObject
{
    Q_OBJECT

private slots:
    void typeRule_data();
    void typeRule();
    void refusedValueReportsStoredType();
    void refusedDefaultValue();
    void defaultValues();
    void changingDeclaredType();
    void constructorsStoreUnchecked();
    void equality();
};

void tst_ParameterValue::typeRule_data()
{
    QTest::addColumn<QVariant::Type>("declared");
    QTest::addColumn<QVariant>("offered");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("double takes double") << QVariant::Double << QVariant(2.5) << true;
    QTest::newRow("double takes int") << QVariant::Double << QVariant(5) << true;
    QTest::newRow("int takes double") << QVariant::Int << QVariant(1.5) << true;
    QTest::newRow("double takes null double")
        << QVariant::Double << QVariant(QVariant::Double) << true;
    QTest::newRow("double refuses invalid") << QVariant::Double << QVariant() << false;
    QTest::newRow("int refuses invalid") << QVariant::Int << QVariant() << false;
    QTest::newRow("bool refuses int") << QVariant::Bool << QVariant(1) << false;
    QTest::newRow("string refuses double") << QVariant::String << QVariant(1.5) << false;
    QTest::newRow("list takes list") << QVariant::List << QVariant(QVariantList{1, 2}) << true;
    QTest::newRow("string list refuses list")
        << QVariant::StringList << QVariant(QVariantList{}) << false;
    QTest::newRow("untyped takes invalid") << QVariant::Invalid << QVariant() << true;
    QTest::newRow("untyped takes string")
        << QVariant::Invalid << QVariant(QStringLiteral("a")) << true;
    QTest::newRow("untyped takes date") << QVariant::Invalid << QVariant(QDate(2020, 1, 1)) << true;
}

void tst_ParameterValue::typeRule()
{
    QFETCH(QVariant::Type, declared);
    QFETCH(QVariant, offered);
    QFETCH(bool, accepted);

    ParameterVertexValue current(QStringLiteral("p"), declared);
    ParameterVertexValue byDefault(QStringLiteral("p"), declared);
    if (accepted) {
        current.setValue(offered);
        byDefault.setDefaultValue(offered);
        // Stored exactly as given: an Int offered to a Double parameter stays an Int.
        QCOMPARE(current.getValue().type(), offered.type());
        QCOMPARE(current.getValue(), offered);
        QCOMPARE(byDefault.getDefaultValue().type(), offered.type());
    } else {
        QVERIFY_EXCEPTION_THROWN(current.setValue(offered), ValuesTypesMismatchExceptionOstra);
        QVERIFY_EXCEPTION_THROWN(byDefault.setDefaultValue(offered),
                                 ValuesTypesMismatchExceptionOstra);
        QVERIFY(!current.getValue().isValid());
        QVERIFY(!byDefault.getDefaultValue().isValid());
    }
}

void tst_ParameterValue::refusedValueReportsStoredType()
{
    ParameterVertexValue parameter(QStringLiteral("p1"), QVariant::Double);
    const auto mismatch = caught<ValuesTypesMismatchExceptionOstra>(
        [&] { parameter.setValue(QVariant(QStringLiteral("x"))); });
    QCOMPARE(mismatch.getExceptionId(), 529);
    QCOMPARE(mismatch.getParameterId(), QStringLiteral("p1"));
    QCOMPARE(mismatch.getExternalValueType(), QVariant::String);
    // Nothing stored yet: the internal type is 0, not the declared type.
    QCOMPARE(mismatch.getInternalValueType(), QVariant::Invalid);
    QCOMPARE(mismatch.getClassName(), QStringLiteral("ParameterVertexValue"));
    QCOMPARE(mismatch.getMethodName(), QStringLiteral("setValue(const QVariant &n_value)"));
    QVERIFY(mismatch.getParentException().isNull());

    parameter.setValue(QVariant(4));
    const auto mismatch2 = caught<ValuesTypesMismatchExceptionOstra>(
        [&] { parameter.setValue(QVariant(true)); });
    QCOMPARE(mismatch2.getInternalValueType(), QVariant::Int);
    QCOMPARE(parameter.getValue(), QVariant(4));

    parameter.resetValue();
    const auto mismatch3 = caught<ValuesTypesMismatchExceptionOstra>(
        [&] { parameter.setDefaultValueToValue(); });
    QCOMPARE(mismatch3.getMethodName(), QStringLiteral("setValue(const QVariant &n_value)"));
    QCOMPARE(mismatch3.getInternalValueType(), QVariant::Invalid);
}

void tst_ParameterValue::refusedDefaultValue()
{
    ParameterVertexValue parameter(QStringLiteral("p2"), QVariant::Bool);
    parameter.setDefaultValue(QVariant(false));
    parameter.setValue(QVariant(true));
    const auto mismatch = caught<ValuesTypesMismatchExceptionOstra>(
        [&] { parameter.setDefaultValue(QVariant(1.0)); });
    QCOMPARE(mismatch.getMethodName(),
             QStringLiteral("setDefaultValue(const QVariant &n_defaultValue)"));
    QCOMPARE(mismatch.getExternalValueType(), QVariant::Double);
    QCOMPARE(mismatch.getInternalValueType(), QVariant::Bool);
    QCOMPARE(parameter.getDefaultValue(), QVariant(false));
    QCOMPARE(parameter.getValue(), QVariant(true));
}

void tst_ParameterValue::defaultValues()
{
    ParameterVertexValue parameter(QStringLiteral("p"), QVariant::Double);
    QVERIFY(!parameter.hasDefaultValue());
    parameter.setDefaultValue(QVariant(QVariant::Double));
    QVERIFY(!parameter.hasDefaultValue());
    parameter.setDefaultValue(QVariant(0.0));
    QVERIFY(parameter.hasDefaultValue());

    parameter.setDefaultValueToValue();
    QCOMPARE(parameter.getValue(), QVariant(0.0));
    parameter.resetDefaultValue();
    QVERIFY(!parameter.hasDefaultValue());
    QCOMPARE(parameter.getValue(), QVariant(0.0));

    ParameterVertexValue untyped(QStringLiteral("u"), QVariant::Invalid);
    untyped.setValue(QVariant(3));
    untyped.setDefaultValueToValue();
    QVERIFY(!untyped.getValue().isValid());
}

void tst_ParameterValue::changingDeclaredType()
{
    ParameterVertexValue parameter(QStringLiteral("p"), QVariant::Int);
    parameter.setValue(QVariant(7));
    parameter.setValueType(QVariant::String);
    QCOMPARE(parameter.getValueType(), QVariant::String);
    QCOMPARE(parameter.getValue(), QVariant(7));
    QVERIFY_EXCEPTION_THROWN(parameter.setValue(QVariant(8)), ValuesTypesMismatchExceptionOstra);
    parameter.setValue(QVariant(QStringLiteral("eight")));
    QCOMPARE(parameter.getValue(), QVariant(QStringLiteral("eight")));
}

void tst_ParameterValue::constructorsStoreUnchecked()
{
    ParameterVertexValue parameter(QStringLiteral("p"), QStringLiteral("short"),
                                   QStringLiteral("desc"), QStringLiteral("author"),
                                   QStringLiteral("guid"), QVariant::Bool, QVariant(5),
                                   QVariant(QStringLiteral("x")));
    QCOMPARE(parameter.getDefaultValue(), QVariant(5));
    QCOMPARE(parameter.getValue(), QVariant(QStringLiteral("x")));
    QCOMPARE(parameter.getShortName(), QStringLiteral("short"));
    QCOMPARE(parameter.getOstraObjectType(), OBJECT_TYPE_PARAMETER);

    ParameterVertex vertex(QStringLiteral("v"), QVariant::Double);
    ParameterVertexValue fromVertex(vertex);
    QCOMPARE(fromVertex.getId(), QStringLiteral("v"));
    QCOMPARE(fromVertex.getValueType(), QVariant::Double);
    QVERIFY(!fromVertex.getValue().isValid());
    QVERIFY(!fromVertex.getDefaultValue().isValid());

    ParameterVertexValue copy(parameter);
    QCOMPARE(copy.getDefaultValue(), QVariant(5));
    QCOMPARE(copy.getValue(), QVariant(QStringLiteral("x")));

    QVERIFY_EXCEPTION_THROWN(ParameterVertexValue(QString(), QVariant::Int), NoIdExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(ParameterVertex(QString(), QVariant::Int), NoIdExceptionOstra);
}

void tst_ParameterValue::equality()
{
    ParameterVertexValue a(QStringLiteral("p"), QStringLiteral("a"), QStringLiteral("one"),
                           QString(), QString(), QVariant::Double, QVariant(1.0), QVariant(2.0));
    ParameterVertexValue b(QStringLiteral("p"), QStringLiteral("b"), QStringLiteral("two"),
                           QString(), QString(), QVariant::Double, QVariant(9.0), QVariant(2.0));
    QVERIFY(a == b);
    QVERIFY(!(a != b));

    b.setValue(QVariant(3.0));
    QVERIFY(a != b);
    b.setValue(QVariant(2.0));
    b.setValueType(QVariant::Int);
    QVERIFY(a != b);

    ParameterVertex first(QStringLiteral("v"), QVariant::Int);
    ParameterVertex second(QStringLiteral("v"), QVariant::String);
    QVERIFY(first == second);
    QVERIFY(first != ParameterVertex(QStringLiteral("V"), QVariant::Int));
}

QTEST_GUILESS_MAIN(tst_ParameterValue)
#include "tst_parameter_value.moc"
