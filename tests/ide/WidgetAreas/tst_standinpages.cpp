#include "ModelFixtures.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "WidgetAreas/wClassTestArea.h"
#include "model/OstraModel.h"

#include <QtTest>

namespace {

struct SmallModel
{
    SmallModel()
    {
        root = model.getRootClass();
        root->setShortName(QStringLiteral("Root"));
        child = makeClass(QStringLiteral("child"), model.getRelationsStorage(),
                          QStringLiteral("Child"));
        root->addClass(child);
        child->addParameter(
            makeParameter(QStringLiteral("p"), QVariant::Double, QStringLiteral("P")));
    }
    OstraModel model;
    ClassPtr root;
    ClassPtr child;
};

} // namespace

// The least class-test page the workspace drives.
class tst_StandInPages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MessageBoxes::setBoxHandler({}); }
    void testPageTitlesItselfOrRefusesNoClass();
};

void tst_StandInPages::testPageTitlesItselfOrRefusesNoClass()
{
    SmallModel small;
    wClassTestArea page(false, nullptr);
    page.setRootClass(small.child);
    QCOMPARE(page.windowTitle(), QStringLiteral("Тест: Child"));

    QStringList boxes;
    QList<QMessageBox::Icon> icons;
    MessageBoxes::setBoxHandler([&](QMessageBox &n_box) {
        boxes << n_box.text();
        icons << n_box.icon();
        return int(QMessageBox::Ok);
    });
    page.setRootClass(nullptr);
    QCOMPARE(boxes, QStringList{ErrorDictionary::Instance().getErrorById(10030)});
    QCOMPARE(icons, QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(page.getRootClass(), small.child);
}

QTEST_MAIN(tst_StandInPages)
#include "tst_standinpages.moc"
