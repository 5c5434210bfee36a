#include <QtTest>

#include <functional>
#include <typeinfo>

#include "errors/BaseOstraObj.h"
#include "errors/Exceptions.h"

namespace {

const QString CLASS_NAME = QStringLiteral("Owner");
const QString METHOD_NAME = QStringLiteral("act(const QString &n_id)");
const QString END_LINE = QStringLiteral("--------------------------------------\n");

// The four base lines, written out here rather than taken from the code under test.
QString baseLines(int n_id, const QString &n_className, const QString &n_methodName,
                  const QString &n_description)
{
    return QStringLiteral("Exception Id: ") + QString::number(n_id)
           + QStringLiteral("\nClass name: ") + n_className + QStringLiteral("\nMethod name: ")
           + n_methodName + QStringLiteral("\nDescription: ") + n_description
           + QStringLiteral("\n");
}

// One concrete exception class: how to make a sample, what it must render after the base lines,
// and how to check its own fields on a copy of it.
struct ExceptionCase
{
    QByteArray name;
    int id;
    QString description;
    std::function<ExceptionOstra *(QSharedPointer<ExceptionOstra>)> make;
    QString ownLines;
    std::function<bool(const ExceptionOstra &)> hasSameClass;
    // Rethrows through the base reference; the handler of the concrete class must get it whole.
    std::function<void(const ExceptionOstra &)> raiseAndCatchExact;
    std::function<void(const ExceptionOstra &)> checkOwnFields;
};

template<class T>
ExceptionCase makeCase(
    const char *n_name, int n_id, const QString &n_description,
    std::function<T *(QSharedPointer<ExceptionOstra>)> n_make, const QString &n_ownLines,
    std::function<void(const T &)> n_check = [](const T &) {})
{
    ExceptionCase c;
    c.name = n_name;
    c.id = n_id;
    c.description = n_description;
    c.make = n_make;
    c.ownLines = n_ownLines;
    c.hasSameClass = [](const ExceptionOstra &n_e) { return typeid(n_e) == typeid(T); };
    c.checkOwnFields = [n_check](const ExceptionOstra &n_e) {
        const T *typed = dynamic_cast<const T *>(&n_e);
        QVERIFY(typed);
        n_check(*typed);
    };
    c.raiseAndCatchExact = [n_check](const ExceptionOstra &n_e) {
        try {
            n_e.raise();
        } catch (const T &caught) {
            QVERIFY(typeid(caught) == typeid(T));
            QCOMPARE(caught.toString(true), n_e.toString(true));
            n_check(caught);
            return;
        } catch (...) {
        }
        QFAIL("not caught by the handler of its own class");
    };
    return c;
}

QList<ExceptionCase> allCases()
{
    using P = QSharedPointer<ExceptionOstra>;
    const QString cls = CLASS_NAME;
    const QString mth = METHOD_NAME;
    QList<ExceptionCase> cases;

    cases << makeCase<InconsistencyDataExceptionOstra>(
        "501", 501, QStringLiteral("Inconsistency in element data"),
        [=](P p) { return new InconsistencyDataExceptionOstra(cls, mth, p); }, QString());
    cases << makeCase<CalculationExceptionOstra>(
        "502", 502, QStringLiteral("Can't execute script equations"),
        [=](P p) {
            return new CalculationExceptionOstra(
                QStringLiteral("rel-1"), QStringLiteral("a = b +;"),
                QStringLiteral("SyntaxError: Parse error"), 3,
                {QStringLiteral("frame 1"), QStringLiteral("frame 2")}, cls, mth, p);
        },
        QStringLiteral("Script: a = b +;\nScript Exception Messege: SyntaxError: Parse error\n"
                       "Script Exception Line: 3\n"),
        [](const CalculationExceptionOstra &e) {
            QCOMPARE(e.getRelationId(), QStringLiteral("rel-1"));
            QCOMPARE(e.getElementType(), OBJECT_TYPE_RELATION);
            QCOMPARE(e.getScriptExceptionMessage(), QStringLiteral("SyntaxError: Parse error"));
            QCOMPARE(e.getScriptExceptionLine(), 3);
            QCOMPARE(e.getScriptExceptionBacktrace(),
                     QStringList({QStringLiteral("frame 1"), QStringLiteral("frame 2")}));
        });
    cases << makeCase<BadValueExceptionOstra>(
        "503", 503, QStringLiteral("Value is not usable"),
        [=](P p) {
            return new BadValueExceptionOstra(QVariant(7), QStringLiteral("Value is not usable"),
                                              cls, mth, p);
        },
        QStringLiteral("Value Type: int\nValue : 7\n"),
        [](const BadValueExceptionOstra &e) { QCOMPARE(e.getValue(), QVariant(7)); });
    cases << makeCase<InitScriptParameterExceptionOstra>(
        "504", 504, QStringLiteral("Bad script input"),
        [=](P p) {
            return new InitScriptParameterExceptionOstra(
                QStringLiteral("rel-2"), QStringLiteral("par-3"), QVariant(QStringLiteral("abc")),
                QStringLiteral("Bad script input"), cls, mth, p);
        },
        QStringLiteral(
            "Value Type: QString\nValue : abc\nRelation Id: rel-2\nParameter Id: par-3\n"),
        [](const InitScriptParameterExceptionOstra &e) {
            QCOMPARE(e.getRelationId(), QStringLiteral("rel-2"));
            QCOMPARE(e.getParameterId(), QStringLiteral("par-3"));
            QCOMPARE(e.getValue(), QVariant(QStringLiteral("abc")));
        });
    cases << makeCase<LoopExceptionOstra>(
        "505", 505, QStringLiteral("Number of iterations is exceeded"),
        [=](P p) { return new LoopExceptionOstra(1001, 1000, cls, mth, p); },
        QStringLiteral("Current Iteartion Count: 1001; Limit Iteration Count: 1000; "),
        [](const LoopExceptionOstra &e) {
            QCOMPARE(e.getCurrentIteartionCount(), 1001L);
            QCOMPARE(e.getLimitIteartionCount(), 1000L);
        });
    cases << makeCase<NoKnownParametersExceptionOstra>(
        "506", 506, QStringLiteral("Do not set the known parameters"),
        [=](P p) { return new NoKnownParametersExceptionOstra(cls, mth, p); }, QString());
    cases << makeCase<NoRequiredParametersExceptionOstra>(
        "507", 507, QStringLiteral("Do not set the required parameters"),
        [=](P p) { return new NoRequiredParametersExceptionOstra(cls, mth, p); }, QString());
    cases << makeCase<NotCalculatedExceptionOstra>(
        "508", 508, QStringLiteral("Calculations have not been made"),
        [=](P p) { return new NotCalculatedExceptionOstra(cls, mth, p); }, QString());
    cases << makeCase<BadNewObjectParent>(
        "509", 509, QStringLiteral("New parent class can't be the parent for this object"),
        [=](P p) {
            return new BadNewObjectParent(QStringLiteral("rule-1"), QStringLiteral("class-2"), cls,
                                          mth, p);
        },
        QStringLiteral("Object Id: rule-1\nNew Parent Id: class-2\n"),
        [](const BadNewObjectParent &e) {
            QCOMPARE(e.getObjectId(), QStringLiteral("rule-1"));
            QCOMPARE(e.getNewParentId(), QStringLiteral("class-2"));
        });
    cases << makeCase<ElementAlreadyExistExceptionOstra>(
        "510", 510, QStringLiteral("Element already exist"),
        [=](P p) {
            return new ElementAlreadyExistExceptionOstra(QStringLiteral("par-1"), cls, mth, p);
        },
        QStringLiteral("Added Element Id: par-1\n"),
        [](const ElementAlreadyExistExceptionOstra &e) {
            QCOMPARE(e.getElementId(), QStringLiteral("par-1"));
        });
    cases << makeCase<NoElementExceptionOstra>(
        "511", 511, QStringLiteral("Seeking an element not found"),
        [=](P p) { return new NoElementExceptionOstra(QStringLiteral("par-9"), cls, mth, p); },
        QStringLiteral("Desired Id : par-9\n"),
        [](const NoElementExceptionOstra &e) {
            QCOMPARE(e.getDesiredId(), QStringLiteral("par-9"));
        });
    cases << makeCase<NotEnoughDataExceptionOstra>(
        "512", 512, QStringLiteral("Not enough elements to perform the operation"),
        [=](P p) { return new NotEnoughDataExceptionOstra(3, 1, cls, mth, p); },
        QStringLiteral("Desired Elements Counts: 3\nCurrent Elements Counts: 1\n"),
        [](const NotEnoughDataExceptionOstra &e) {
            QCOMPARE(e.getDesiredElementsCounts(), 3L);
            QCOMPARE(e.getCurrentElementsCounts(), 1L);
        });
    cases << makeCase<NotObjectOwner>(
        "513", 513,
        QStringLiteral("Current class can't do any action with this object, because class isn't "
                       "owner of this object"),
        [=](P p) {
            return new NotObjectOwner(QStringLiteral("par-1"), QStringLiteral("class-1"), cls, mth,
                                      p);
        },
        QStringLiteral("Current object Id: par-1\nCurrent class Id: class-1\n"),
        [](const NotObjectOwner &e) {
            QCOMPARE(e.getObjectId(), QStringLiteral("par-1"));
            QCOMPARE(e.getWrongOwnerId(), QStringLiteral("class-1"));
        });
    cases << makeCase<NotSupportedEdgeType>(
        "514", 514, QStringLiteral("Edge between this type of object doesn't support"),
        [=](P p) {
            return new NotSupportedEdgeType(QStringLiteral("first"), QStringLiteral("second"), cls,
                                            mth, p);
        },
        QStringLiteral("Object 1 id: first\nObject 2 id: second\n"));
    cases << makeCase<BadInputParametersTypes>(
        "515", 515, QStringLiteral("Bad input parameters types"),
        [=](P p) {
            return new BadInputParametersTypes({QStringLiteral("double"), QStringLiteral("int")},
                                               {QStringLiteral("a"), QStringLiteral("b")}, cls, mth,
                                               p);
        },
        QStringLiteral("Input parameters: a,b; Input parameters types: double,int; "),
        [](const BadInputParametersTypes &e) {
            QCOMPARE(e.getInputParametersIds(),
                     QStringList({QStringLiteral("a"), QStringLiteral("b")}));
            QCOMPARE(e.getInputParametersTypes(),
                     QStringList({QStringLiteral("double"), QStringLiteral("int")}));
        });
    cases << makeCase<BadOutputParametersTypes>(
        "516", 516, QStringLiteral("Bad output parameters types"),
        [=](P p) {
            return new BadOutputParametersTypes({QStringLiteral("double"), QStringLiteral("int")},
                                                {QStringLiteral("a"), QStringLiteral("b")}, cls,
                                                mth, p);
        },
        QStringLiteral("Output parameters: a,b; Output parameters types: double,int; "),
        [](const BadOutputParametersTypes &e) {
            QCOMPARE(e.getOutputParametersIds(),
                     QStringList({QStringLiteral("a"), QStringLiteral("b")}));
            QCOMPARE(e.getOutputParametersTypes(),
                     QStringList({QStringLiteral("double"), QStringLiteral("int")}));
        });
    cases << makeCase<BadRelationType>(
        "517", 517, QStringLiteral("Relation type is invalid"),
        [=](P p) { return new BadRelationType(cls, mth, p); }, QString());
    cases << makeCase<BadValueFromRule>(
        "518", 518, QStringLiteral("Unable to compute the value of parameter"),
        [=](P p) {
            return new BadValueFromRule(QStringLiteral("rule-1"), QStringLiteral("par-2"),
                                        QVariant(2.5), cls, mth, p);
        },
        QStringLiteral("Rule Id: rule-1\nParameter Id: par-2\n"),
        [](const BadValueFromRule &e) {
            QCOMPARE(e.getRuleId(), QStringLiteral("rule-1"));
            QCOMPARE(e.getParameterId(), QStringLiteral("par-2"));
            QCOMPARE(e.getValue(), QVariant(2.5));
        });
    cases << makeCase<BadValueTypeExceptionOstra>(
        "519", 519, QStringLiteral("Invalid type of value"),
        [=](P p) { return new BadValueTypeExceptionOstra(QVariant::Double, cls, mth, p); },
        QStringLiteral("Value Type: double\n"),
        [](const BadValueTypeExceptionOstra &e) {
            BadValueTypeExceptionOstra copy(e); // the getter is not const
            QCOMPARE(copy.getValueType(), QVariant::Double);
        });
    cases << makeCase<NoIdExceptionOstra>(
        "520", 520, QStringLiteral("Not specified object id"),
        [=](P p) { return new NoIdExceptionOstra(cls, mth, p); }, QString());
    cases << makeCase<NoInputParameters>(
        "521", 521, QStringLiteral("Object hasn't input parameters, but it must have at least one"),
        [=](P p) { return new NoInputParameters(cls, mth, p); }, QString());
    cases << makeCase<NoOutputParameters>(
        "522", 522,
        QStringLiteral("Object hasn't output parameters, but it must have at least one"),
        [=](P p) { return new NoOutputParameters(cls, mth, p); }, QString());
    cases << makeCase<NoParentException>(
        "523", 523, QStringLiteral("Object not linked with any model or class"),
        [=](P p) { return new NoParentException(QStringLiteral("par-1"), cls, mth, p); },
        QStringLiteral("Object Id with no parent: par-1; "),
        [](const NoParentException &e) {
            QCOMPARE(e.getObjectWithNoParnetId(), QStringLiteral("par-1"));
        });
    cases << makeCase<NoRelation>(
        "524", 524, QStringLiteral("Object hasn't relation"),
        [=](P p) { return new NoRelation(cls, mth, p); }, QString());
    cases << makeCase<NoRequiredField>(
        "525", 525, QStringLiteral("No required field"),
        [=](P p) {
            return new NoRequiredField(QStringLiteral("rel-1"), QStringLiteral("relationType"), cls,
                                       mth, p);
        },
        QStringLiteral("Object Id: rel-1\nRequired Field Name: relationType\n"),
        [](const NoRequiredField &e) {
            QCOMPARE(e.getObjectId(), QStringLiteral("rel-1"));
            QCOMPARE(e.getFieldName(), QStringLiteral("relationType"));
        });
    cases << makeCase<PointerIsNull>(
        "526", 526, QStringLiteral("Pointer is null"),
        [=](P p) { return new PointerIsNull(cls, mth, p); }, QString());
    cases << makeCase<RelationNoCode>(
        "527", 527, QStringLiteral("Relation code is empty"),
        [=](P p) { return new RelationNoCode(cls, mth, p); }, QString());
    cases << makeCase<TypesMismatchExceptionOstra>(
        "528", 528,
        QStringLiteral("Objects types are not suitable for creating connections between objects"),
        [=](P p) {
            return new TypesMismatchExceptionOstra(OBJECT_TYPE_PARAMETER, OBJECT_TYPE_CLASS, cls,
                                                   mth, p);
        },
        QStringLiteral("Type First Object: Parameter\nType Second Object: \n"),
        [](const TypesMismatchExceptionOstra &e) {
            QCOMPARE(e.getFirstObject(), OBJECT_TYPE_PARAMETER);
            QCOMPARE(e.getSecondObject(), OBJECT_TYPE_CLASS);
        });
    cases << makeCase<ValuesTypesMismatchExceptionOstra>(
        "529", 529, QStringLiteral("Do not match the types of values"),
        [=](P p) {
            return new ValuesTypesMismatchExceptionOstra(QStringLiteral("par-1"), QVariant::String,
                                                         QVariant::Int, cls, mth, p);
        },
        QStringLiteral(
            "Parameter id: par-1\nExternal Value Type: QString\nInternal Value Type: int\n"),
        [](const ValuesTypesMismatchExceptionOstra &e) {
            QCOMPARE(e.getParameterId(), QStringLiteral("par-1"));
            QCOMPARE(e.getExternalValueType(), QVariant::String);
            QCOMPARE(e.getInternalValueType(), QVariant::Int);
        });
    cases << makeCase<CreateDomElementExceptionOstra>(
        "530", 530, QStringLiteral("Can't create QDomElement from object"),
        [=](P p) {
            return new CreateDomElementExceptionOstra(QStringLiteral("rel-1"), OBJECT_TYPE_RELATION,
                                                      QStringLiteral("extra"), cls, mth, p);
        },
        QStringLiteral("Element ID: rel-1\n"),
        [](const CreateDomElementExceptionOstra &e) {
            QCOMPARE(e.getElementId(), QStringLiteral("rel-1"));
            QCOMPARE(e.getElementType(), OBJECT_TYPE_RELATION);
        });
    cases << makeCase<FileCantOpenExceptionOstra>(
        "531", 531, QStringLiteral("Problem with file"),
        [=](P p) {
            return new FileCantOpenExceptionOstra(QStringLiteral("/m.xml"), QIODevice::ReadOnly,
                                                  cls, mth, p);
        },
        QStringLiteral(
            "File name: /m.xml\nError Reason: Can't open file\nFile Open Mode: Read Only\n"),
        [](const FileCantOpenExceptionOstra &e) {
            QCOMPARE(e.getFileName(), QStringLiteral("/m.xml"));
            QCOMPARE(e.getFileOpenMode(), QIODevice::OpenMode(QIODevice::ReadOnly));
        });
    cases << makeCase<FileIOExceptionOstra>(
        "532", 532, QStringLiteral("Problem with file"),
        [=](P p) {
            return new FileIOExceptionOstra(QStringLiteral("/m.xml"),
                                            QStringLiteral("Disk is full"), cls, mth, p);
        },
        QStringLiteral("File name: /m.xml\nError Reason: Disk is full\n"),
        [](const FileIOExceptionOstra &e) { QCOMPARE(e.getFileName(), QStringLiteral("/m.xml")); });
    cases << makeCase<FileNotExistExceptionOstra>(
        "533", 533, QStringLiteral("Problem with file"),
        [=](P p) { return new FileNotExistExceptionOstra(QStringLiteral("/m.xml"), cls, mth, p); },
        QStringLiteral("File name: /m.xml\nError Reason: File not exist\n"),
        [](const FileNotExistExceptionOstra &e) {
            QCOMPARE(e.getFileName(), QStringLiteral("/m.xml"));
        });
    cases << makeCase<NotSupportedXmlFormat>(
        "534", 534, QStringLiteral("Bad model format"),
        [=](P p) { return new NotSupportedXmlFormat(cls, mth, p); }, QString());
    cases << makeCase<ReadDomElementExceptionOstra>(
        "535", 535, QStringLiteral("Failed to create an element from QDomElement"),
        [=](P p) {
            return new ReadDomElementExceptionOstra(QStringLiteral("par-1"), OBJECT_TYPE_PARAMETER,
                                                    cls, mth, p);
        },
        QStringLiteral("Element ID: par-1\n"),
        [](const ReadDomElementExceptionOstra &e) {
            QCOMPARE(e.getElementId(), QStringLiteral("par-1"));
            QCOMPARE(e.getElementType(), OBJECT_TYPE_PARAMETER);
        });
    cases << makeCase<UnexpectedTagName>(
        "536", 536, QStringLiteral("Unexpected tag while reading xml"),
        [=](P p) {
            return new UnexpectedTagName(QStringLiteral("parameter"), QStringLiteral("rule"), cls,
                                         mth, p);
        },
        QStringLiteral("Expected tag: parameter\nProblem tag: rule\n"),
        [](const UnexpectedTagName &e) {
            QCOMPARE(e.getExpectedTag(), QStringLiteral("parameter"));
            QCOMPARE(e.getProblemTag(), QStringLiteral("rule"));
        });
    cases << makeCase<XMLParseExceptionOstra>(
        "537", 537, QStringLiteral("Unable to read the XML document structure"),
        [=](P p) {
            return new XMLParseExceptionOstra(QStringLiteral("unexpected end of file"), 12, 7, cls,
                                              mth, p);
        },
        QStringLiteral(
            "Error Message: unexpected end of file;\nError Line: 12;\nError Column: 7;\n"),
        [](const XMLParseExceptionOstra &e) {
            QCOMPARE(e.getErrorMsg(), QStringLiteral("unexpected end of file"));
            QCOMPARE(e.getErrorLine(), 12);
            QCOMPARE(e.getErrorColumn(), 7);
        });
    cases << makeCase<NoRequiredTag>(
        "538", 538, QStringLiteral("Required tag for serialization didn't found"),
        [=](P p) { return new NoRequiredTag(QStringLiteral("relations"), cls, mth, p); },
        QStringLiteral("Required tag: relations\n"),
        [](const NoRequiredTag &e) { QCOMPARE(e.getRequiredTag(), QStringLiteral("relations")); });
    cases << makeCase<CantSaveClassIntegrityErrors>(
        "539", 539, QStringLiteral("Can't save class, because class has integrity errors"),
        [=](P p) {
            ModelIntegrity report;
            IntegrityMsg msg(IntegrityMsg::ERROR,
                             IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME,
                             {QSharedPointer<const BaseOstraObj>(new BaseOstraObj(
                                 QStringLiteral("rel-1"), QStringLiteral(""), QStringLiteral(""),
                                 QStringLiteral(""), QStringLiteral("")))});
            report.addIntegrityMsg(msg);
            return new CantSaveClassIntegrityErrors(report, cls, mth, p);
        },
        QStringLiteral("**************************Msg code: 22\nMsg type: 2\nReason 0 : rel-1\n"
                       "**************************"),
        [](const CantSaveClassIntegrityErrors &e) {
            QCOMPARE(e.getModelIntegrity().getIntegrityMsgs().size(), 1);
            QVERIFY(e.getModelIntegrity().areAnyErrors());
        });
    return cases;
}

} // namespace

class tst_Errors : public QObject
{
    Q_OBJECT

private:
    void addCaseRows();

private slots:
    void baseRendering();
    void chainRendering();
    void chainThroughSlicedParent();
    void descriptionTable();

    void concreteRendering_data();
    void concreteRendering();
    void raiseKeepsMostDerivedClass_data();
    void raiseKeepsMostDerivedClass();
    void cloneKeepsEverything_data();
    void cloneKeepsEverything();
    void clonesAndCopiesShareTheParent();

    void loopRendersOnOneLine();
    void noParentRendersWithoutLineFeed();
    void calculationWithEmptyTexts();
    void valueExceptions();
    void typeRenderingWithoutName();
    void parameterListsRendering();
    void fileExceptions();
    void openModeText_data();
    void openModeText();
};

void tst_Errors::addCaseRows()
{
    QTest::addColumn<int>("index");
    const QList<ExceptionCase> cases = allCases();
    for (int i = 0; i < cases.size(); ++i)
        QTest::newRow(cases.at(i).name.constData()) << i;
}

void tst_Errors::baseRendering()
{
    const ExceptionOstra single(700, QStringLiteral("Own failure"), QStringLiteral("Owner"),
                                QStringLiteral("act()"), nullptr);
    QCOMPARE(single.toString(false),
             QString(QStringLiteral("Exception Id: 700\nClass name: Owner\n"
                                    "Method name: act()\nDescription: Own failure\n")));
    QCOMPARE(single.toString(true), single.toString(false) + END_LINE);
    QCOMPARE(ExceptionOstra::EXCEPTION_END_LINE, END_LINE);

    const ExceptionOstra byDefault;
    QCOMPARE(byDefault.getExceptionId(), 500);
    QVERIFY(byDefault.getParentException().isNull());
    QCOMPARE(byDefault.toString(false),
             QStringLiteral("Exception Id: 500\nClass name: \nMethod name: \nDescription: \n"));

    const ExceptionOstra noClassName(701, QStringLiteral("d"), QStringLiteral(""),
                                     QStringLiteral("m()"), nullptr);
    QVERIFY(
        noClassName.toString(false).contains(QStringLiteral("\nClass name: \nMethod name: m()\n")));
}

void tst_Errors::chainRendering()
{
    // Each link renders by its own class, deepest cause first, every block but the last closed.
    auto cause = QSharedPointer<NoElementExceptionOstra>::create(
        QStringLiteral("par-9"), QStringLiteral("RelationsStorage"),
        QStringLiteral("getRelation(const QString &n_id)"), nullptr);
    auto middle = QSharedPointer<BadValueExceptionOstra>::create(
        QVariant(), QStringLiteral("Value is not valid"), QStringLiteral("RelationVertex"),
        QStringLiteral("convert(const QVariant &n_value)"), cause);
    const CalculationExceptionOstra top(
        QStringLiteral("rel-1"), QStringLiteral("x = y;"), QStringLiteral("ReferenceError: y"), 1,
        {}, QStringLiteral("RelationVertex"), QStringLiteral("calculate()"), middle);

    const QString expected = QStringLiteral(
        "Exception Id: 511\nClass name: RelationsStorage\nMethod name: getRelation(const QString "
        "&n_id)\n"
        "Description: Seeking an element not found\nDesired Id : par-9\n"
        "--------------------------------------\n"
        "Exception Id: 503\nClass name: RelationVertex\nMethod name: convert(const QVariant "
        "&n_value)\n"
        "Description: Value is not valid\nValue Type: Invalid\nValue : \n"
        "--------------------------------------\n"
        "Exception Id: 502\nClass name: RelationVertex\nMethod name: calculate()\n"
        "Description: Can't execute script equations\nScript: x = y;\n"
        "Script Exception Messege: ReferenceError: y\nScript Exception Line: 1\n");
    QCOMPARE(top.toString(false), expected);
    QCOMPARE(top.toString(true), expected + END_LINE);
    QVERIFY(top.toString(true).endsWith(QStringLiteral("Line: 1\n") + END_LINE));
    QCOMPARE(top.getParentException().data(), static_cast<ExceptionOstra *>(middle.data()));
}

void tst_Errors::chainThroughSlicedParent()
{
    // Handlers chain a caught exception by making a base copy of it: own lines drop out, the base
    // fields and the caught exception's own parent stay.
    auto root = QSharedPointer<PointerIsNull>::create(QStringLiteral("A"), QStringLiteral("a()"),
                                                      nullptr);
    const NoElementExceptionOstra caught(QStringLiteral("x"), QStringLiteral("B"),
                                         QStringLiteral("b()"), root);
    const auto parent = QSharedPointer<ExceptionOstra>::create(caught);
    const NoRelation top(QStringLiteral("C"), QStringLiteral("c()"), parent);

    QCOMPARE(top.toString(false), baseLines(526, QStringLiteral("A"), QStringLiteral("a()"),
                                            QStringLiteral("Pointer is null"))
                                      + END_LINE
                                      + baseLines(511, QStringLiteral("B"), QStringLiteral("b()"),
                                                  QStringLiteral("Seeking an element not found"))
                                      + END_LINE
                                      + baseLines(524, QStringLiteral("C"), QStringLiteral("c()"),
                                                  QStringLiteral("Object hasn't relation")));
}

void tst_Errors::descriptionTable()
{
    QCOMPARE(EXCEPTION_DESCRIPTIONS[0], QStringLiteral("Inconsistency in element data"));
    QCOMPARE(EXCEPTION_DESCRIPTIONS[503 - 501], QStringLiteral("Not use"));
    QCOMPARE(EXCEPTION_DESCRIPTIONS[504 - 501], QStringLiteral("Not use"));
    QCOMPARE(EXCEPTION_DESCRIPTIONS[531 - 501], QStringLiteral("Can't open file"));
    QCOMPARE(EXCEPTION_DESCRIPTIONS[533 - 501], QStringLiteral("File not exist"));
    QCOMPARE(EXCEPTION_DESCRIPTIONS[38],
             QStringLiteral("Can't save class, because class has integrity errors"));
}

void tst_Errors::concreteRendering_data()
{
    addCaseRows();
}

void tst_Errors::concreteRendering()
{
    QFETCH(int, index);
    const ExceptionCase c = allCases().at(index);

    QScopedPointer<ExceptionOstra> alone(c.make(nullptr));
    QCOMPARE(alone->getExceptionId(), c.id);
    QCOMPARE(alone->getDescription(), c.description);
    QCOMPARE(alone->getClassName(), CLASS_NAME);
    QCOMPARE(alone->getMethodName(), METHOD_NAME);
    const QString block = baseLines(c.id, CLASS_NAME, METHOD_NAME, c.description) + c.ownLines;
    QCOMPARE(alone->toString(false), block);
    QCOMPARE(alone->toString(true), block + END_LINE);

    // With a cause, the cause's block and its end line come first; one end line at the very end.
    const auto cause = QSharedPointer<ExceptionOstra>::create(
        600, QStringLiteral("Cause"), QStringLiteral("Deep"), QStringLiteral("deep()"), nullptr);
    QScopedPointer<ExceptionOstra> chained(c.make(cause));
    const QString causeBlock = baseLines(600, QStringLiteral("Deep"), QStringLiteral("deep()"),
                                         QStringLiteral("Cause"))
                               + END_LINE;
    QCOMPARE(chained->toString(false), causeBlock + block);
    QCOMPARE(chained->toString(true), causeBlock + block + END_LINE);
}

void tst_Errors::raiseKeepsMostDerivedClass_data()
{
    addCaseRows();
}

void tst_Errors::raiseKeepsMostDerivedClass()
{
    QFETCH(int, index);
    const ExceptionCase c = allCases().at(index);
    const auto cause = QSharedPointer<ExceptionOstra>::create(
        600, QStringLiteral("Cause"), QStringLiteral("Deep"), QStringLiteral("deep()"), nullptr);
    QScopedPointer<ExceptionOstra> original(c.make(cause));
    const ExceptionOstra &asBase = *original;
    c.raiseAndCatchExact(asBase);
    if (QTest::currentTestFailed())
        return;

    try {
        asBase.raise();
    } catch (const ExceptionOstra &caught) {
        QCOMPARE(caught.getExceptionId(), c.id);
        QCOMPARE(caught.getParentException(), cause);
        return;
    }
    QFAIL("a rethrown exception escaped its base handler");
}

void tst_Errors::cloneKeepsEverything_data()
{
    addCaseRows();
}

void tst_Errors::cloneKeepsEverything()
{
    QFETCH(int, index);
    const ExceptionCase c = allCases().at(index);
    const auto cause = QSharedPointer<ExceptionOstra>::create(
        600, QStringLiteral("Cause"), QStringLiteral("Deep"), QStringLiteral("deep()"), nullptr);
    QScopedPointer<ExceptionOstra> original(c.make(cause));
    QScopedPointer<ExceptionOstra> copy(original->clone());

    QVERIFY(copy.data() != original.data());
    QVERIFY(c.hasSameClass(*copy));
    QCOMPARE(copy->getExceptionId(), c.id);
    QCOMPARE(copy->getDescription(), c.description);
    QCOMPARE(copy->getClassName(), CLASS_NAME);
    QCOMPARE(copy->getMethodName(), METHOD_NAME);
    QCOMPARE(copy->getParentException().data(), cause.data());
    QCOMPARE(copy->toString(true), original->toString(true));
    c.checkOwnFields(*copy);
}

void tst_Errors::clonesAndCopiesShareTheParent()
{
    QWeakPointer<ExceptionOstra> watch;
    {
        auto cause = QSharedPointer<ExceptionOstra>::create(600, QStringLiteral("Cause"),
                                                            QStringLiteral("Deep"),
                                                            QStringLiteral("deep()"), nullptr);
        watch = cause;
        const NoElementExceptionOstra original(QStringLiteral("id-1"), QStringLiteral("C"),
                                               QStringLiteral("m()"), cause);
        cause.reset();

        ExceptionOstra *clone = original.clone();
        delete clone;
        QVERIFY(!watch.isNull());
        QCOMPARE(original.getDesiredId(), QStringLiteral("id-1"));
        QCOMPARE(original.getParentException()->getExceptionId(), 600);

        const NoElementExceptionOstra copy(original);
        QCOMPARE(copy.getParentException().data(), original.getParentException().data());
    }
    // The last holder is gone, so is the parent.
    QVERIFY(watch.isNull());
}

void tst_Errors::loopRendersOnOneLine()
{
    const LoopExceptionOstra loop(1001, 1000, QStringLiteral("StaticAlgorithm"),
                                  QStringLiteral("search()"), nullptr);
    QVERIFY(
        loop.toString(true).endsWith(QStringLiteral("Limit Iteration Count: 1000; ") + END_LINE));
    QCOMPARE(loop.toString(true),
             baseLines(505, QStringLiteral("StaticAlgorithm"), QStringLiteral("search()"),
                       QStringLiteral("Number of iterations is exceeded"))
                 + QStringLiteral("Current Iteartion Count: 1001; Limit Iteration Count: 1000; "
                                  "--------------------------------------\n"));
    QVERIFY(loop.toString(false).endsWith(QStringLiteral("1000; ")));
}

void tst_Errors::noParentRendersWithoutLineFeed()
{
    const NoParentException orphan(QStringLiteral("par-1"), QStringLiteral("RuleModel"),
                                   QStringLiteral("removeParent()"), nullptr);
    QVERIFY(orphan.toString(false).endsWith(QStringLiteral("\nObject Id with no parent: par-1; ")));
    QVERIFY(orphan.toString(true).endsWith(QStringLiteral("Object Id with no parent: par-1; ")
                                           + END_LINE));

    // As a cause, the next block starts right after the end line on the same line.
    const NoRelation top(QStringLiteral("C"), QStringLiteral("c()"),
                         QSharedPointer<NoParentException>::create(orphan));
    QVERIFY(top.toString(false).contains(QStringLiteral("par-1; ") + END_LINE
                                         + QStringLiteral("Exception Id: 524\n")));
}

void tst_Errors::calculationWithEmptyTexts()
{
    const CalculationExceptionOstra e(QStringLiteral("rel-1"), QStringLiteral(""),
                                      QStringLiteral(""), 0, {}, QStringLiteral("RelationVertex"),
                                      QStringLiteral("calculate()"), nullptr);
    QVERIFY(e.toString(false).endsWith(
        QStringLiteral("Script: \nScript Exception Messege: \nScript Exception Line: 0\n")));
    // Neither the relation id nor the backtrace are shown.
    QVERIFY(!e.toString(true).contains(QStringLiteral("rel-1")));
}

void tst_Errors::valueExceptions()
{
    const BadValueExceptionOstra invalid(QVariant(), QStringLiteral("No value"),
                                         QStringLiteral("C"), QStringLiteral("m()"), nullptr);
    QVERIFY(invalid.toString(false).endsWith(
        QStringLiteral("Description: No value\nValue Type: Invalid\nValue : \n")));
    QCOMPARE(invalid.getExceptionId(), 503);

    // The rule variant keeps the value but shows only its ids, and is still a value exception.
    const BadValueFromRule fromRule(QStringLiteral("rule-1"), QStringLiteral("par-2"), QVariant(7),
                                    QStringLiteral("StaticAlgorithm"), QStringLiteral("add()"),
                                    nullptr);
    QVERIFY(!fromRule.toString(true).contains(QStringLiteral("Value")));
    QCOMPARE(fromRule.getValue(), QVariant(7));
    bool caughtAsValue = false;
    try {
        static_cast<const ExceptionOstra &>(fromRule).raise();
    } catch (const BadValueExceptionOstra &e) {
        caughtAsValue = true;
        QCOMPARE(e.getExceptionId(), 518);
        QVERIFY(dynamic_cast<const BadValueFromRule *>(&e));
    }
    QVERIFY(caughtAsValue);
}

void tst_Errors::typeRenderingWithoutName()
{
    const BadValueTypeExceptionOstra invalid(QVariant::Invalid, QStringLiteral("C"),
                                             QStringLiteral("m()"), nullptr);
    QVERIFY(invalid.toString(false).endsWith(
        QStringLiteral("Description: Invalid type of value\nValue Type: \n")));

    const ValuesTypesMismatchExceptionOstra mismatch(QStringLiteral(""), QVariant::Invalid,
                                                     QVariant::Bool, QStringLiteral("C"),
                                                     QStringLiteral("m()"), nullptr);
    QVERIFY(mismatch.toString(false).endsWith(
        QStringLiteral("Parameter id: \nExternal Value Type: \nInternal Value Type: bool\n")));

    const TypesMismatchExceptionOstra kinds(OBJECT_TYPE_MODEL, OBJECT_TYPE_BASE,
                                            QStringLiteral("C"), QStringLiteral("m()"), nullptr);
    QVERIFY(kinds.toString(false).endsWith(
        QStringLiteral("Type First Object: \nType Second Object: Base\n")));
}

void tst_Errors::parameterListsRendering()
{
    const BadInputParametersTypes empty({}, {}, QStringLiteral("C"), QStringLiteral("m()"),
                                        nullptr);
    QVERIFY(empty.toString(true).endsWith(
        QStringLiteral("\nInput parameters: ; Input parameters types: ; ") + END_LINE));

    const BadOutputParametersTypes one({QStringLiteral("string")}, {QStringLiteral("p")},
                                       QStringLiteral("C"), QStringLiteral("m()"), nullptr);
    QVERIFY(one.toString(false).endsWith(
        QStringLiteral("\nOutput parameters: p; Output parameters types: string; ")));
}

void tst_Errors::fileExceptions()
{
    // The not-exist variant renders exactly as the general file exception with the same fields.
    const FileNotExistExceptionOstra missing(
        QStringLiteral("/no/model.xml"), QStringLiteral("ModelManager"),
        QStringLiteral("loadModel(QFile &n_modelFile)"), nullptr);
    const FileIOExceptionOstra general(
        533, QStringLiteral("/no/model.xml"), QStringLiteral("File not exist"),
        QStringLiteral("ModelManager"), QStringLiteral("loadModel(QFile &n_modelFile)"), nullptr);
    QCOMPARE(missing.toString(true), general.toString(true));

    const NotSupportedXmlFormat format(QStringLiteral("ModelManager"),
                                       QStringLiteral("loadModel(QFile &n_modelFile)"), nullptr);
    const ExceptionOstra plain(534, QStringLiteral("Bad model format"),
                               QStringLiteral("ModelManager"),
                               QStringLiteral("loadModel(QFile &n_modelFile)"), nullptr);
    QCOMPARE(format.toString(true), plain.toString(true));

    // A save opens write-only plus text, a combination without a name of its own.
    const FileCantOpenExceptionOstra save(
        QStringLiteral("/m.xml"), QIODevice::WriteOnly | QIODevice::Text,
        QStringLiteral("ModelXMLSerializer"), QStringLiteral("saveToFile(QFile &n_file)"), nullptr);
    QVERIFY(save.toString(false).endsWith(
        QStringLiteral("Error Reason: Can't open file\nFile Open Mode: Undefined\n")));

    try {
        static_cast<const ExceptionOstra &>(save).raise();
    } catch (const FileIOExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 531);
        QVERIFY(e.toString(false).endsWith(QStringLiteral("File Open Mode: Undefined\n")));
        const auto *typed = dynamic_cast<const FileCantOpenExceptionOstra *>(&e);
        QVERIFY(typed);
        QCOMPARE(typed->getFileOpenMode(), QIODevice::WriteOnly | QIODevice::Text);
        return;
    }
    QFAIL("not caught as a file exception");
}

void tst_Errors::openModeText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("not open") << 0 << QStringLiteral("Not Open");
    QTest::newRow("read") << 1 << QStringLiteral("Read Only");
    QTest::newRow("write") << 2 << QStringLiteral("Write Only");
    QTest::newRow("read write") << 3 << QStringLiteral("ReadWrite");
    QTest::newRow("append") << 4 << QStringLiteral("Append");
    QTest::newRow("truncate") << 8 << QStringLiteral("Truncate");
    QTest::newRow("text") << 16 << QStringLiteral("Text");
    QTest::newRow("unbuffered") << 32 << QStringLiteral("Unbuffered");
    QTest::newRow("read text") << 17 << QStringLiteral("Undefined");
    QTest::newRow("write text") << 18 << QStringLiteral("Undefined");
    QTest::newRow("new only") << 64 << QStringLiteral("Undefined");
}

void tst_Errors::openModeText()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QCOMPARE(FileCantOpenExceptionOstra::convertOpenModeFlagToQString(
                 QFlags<QIODevice::OpenModeFlag>(mode)),
             text);
}

QTEST_GUILESS_MAIN(tst_Errors)
#include "tst_errors.moc"
